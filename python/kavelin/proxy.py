"""The device service proxy over the library's C interface."""

from __future__ import annotations

import ctypes
import threading
from typing import Iterable, List, Mapping, Optional, Tuple, Union
from xml.sax.saxutils import escape

from . import _library

_OK, _FAILED, _BUSY, _INVALID_ARGUMENT, _NO_MEMORY = range(5)
_XML_ENTITIES = {'"': "&quot;", "'": "&apos;"}

_lock = threading.Lock()
_loaded: Optional[ctypes.CDLL] = None

Pairs = Union[Mapping[str, str], Iterable[Tuple[str, str]]]


def library() -> ctypes.CDLL:
    """The library, loaded on first use and kept for the life of the process."""
    global _loaded
    with _lock:
        if _loaded is None:
            _loaded = _library.load()
        return _loaded


class Error(Exception):
    """A failed operation: the library's fixed `text` ("Get Data Failed!!!"), its `code`
    (0x80004005 for every operation of the proxy) and the `cause` ("the device answered with a
    Fault: ..."), control characters escaped."""

    def __init__(self, text: str, code: int, cause: str) -> None:
        summary = f"{text} (code 0x{code & 0xFFFFFFFF:08X})"
        super().__init__(summary + (f": {cause}" if cause else ""))
        self.text = text
        self.code = code & 0xFFFFFFFF
        self.cause = cause


def _utf8(text: Optional[str]) -> Optional[bytes]:
    return None if text is None else text.encode("utf-8")


def _element(name: str, text: str) -> str:
    if any(c < " " and c not in "\t\n\r" for c in text):
        raise ValueError("a text holds a control character that XML cannot carry")
    return f"<{name}>{escape(text, _XML_ENTITIES)}</{name}>"


def _items(pairs: Optional[Pairs]) -> List[Tuple[str, str]]:
    if pairs is None:
        return []
    return list(pairs.items()) if isinstance(pairs, Mapping) else list(pairs)


def prefix_map(prefixes: Optional[Pairs]) -> Optional[str]:
    """The prefix-map document of GetData for prefix/namespace pairs; None for none."""
    maps = "".join("<PrefixMap>" + _element("Prefix", p) + _element("URL", u) + "</PrefixMap>"
                   for p, u in _items(prefixes))
    return f"<PrefixMapList>{maps}</PrefixMapList>" if maps else None


def subscription_info(event: str, cookie: Optional[str] = None,
                      reliability: Optional[str] = None) -> str:
    """The subscription description of Subscribe."""
    return ("<SubscriptionInfo>" + _element("EventName", event)
            + (_element("ClientCookie", cookie) if cookie is not None else "")
            + (_element("ReliabilityOption", reliability) if reliability is not None else "")
            + "</SubscriptionInfo>")


def filter_document(filters: Optional[Pairs]) -> Optional[str]:
    """The filter document of Subscribe for name/value pairs; None for none."""
    pairs = "".join("<FilterOn>" + _element("Name", n) + _element("Value", v) + "</FilterOn>"
                    for n, v in _items(filters))
    return f"<Filter>{pairs}</Filter>" if pairs else None


class Session:
    """A device session that several proxies share: give it to each Proxy. The device session
    is the proxies' to start and end; this object only carries it."""

    def __init__(self) -> None:
        self._library = library()
        self._handle = self._library.kavelin_session_create()
        if not self._handle:
            raise Error("the session-information object cannot be created", 0x80004005, "")

    def close(self) -> None:
        """Drops this reference; proxies given the session keep theirs."""
        if getattr(self, "_handle", None):
            self._library.kavelin_session_release(self._handle)
            self._handle = None

    def __del__(self) -> None:
        self.close()


class Proxy:
    """One device service proxy: `with kavelin.Proxy(url) as p: p.get_data(...)`.

    Each operation makes the exchanges the library makes (a session is started when none is
    open; a failed exchange is retried once) and raises Error when it fails. A proxy serves one
    thread at a time; a call while another thread is inside raises Error at once."""

    def __init__(self, url: str, session: Optional[Session] = None) -> None:
        self._library = library()
        self._handle = self._library.kavelin_create()
        if not self._handle:
            raise MemoryError("no memory for a proxy")
        self._call(self._library.kavelin_initialize, _utf8(url),
                   session._handle if session is not None else None)

    def __enter__(self) -> "Proxy":
        return self

    def __exit__(self, *exception: object) -> None:
        self.close()

    def __del__(self) -> None:
        self.close()

    def close(self) -> None:
        """Ends the device session (unless it is a shared Session's) and frees the proxy."""
        handle, self._handle = getattr(self, "_handle", None), None
        if handle:
            self._library.kavelin_destroy(handle)

    def _call(self, function, *arguments) -> None:
        if not self._handle:
            raise ValueError("the proxy is closed")
        status = function(self._handle, *arguments)
        if status == _OK:
            return
        if status == _BUSY:
            raise Error("another thread is using this proxy", 0x80004005, "")
        if status == _NO_MEMORY:
            raise MemoryError("the library ran out of memory")
        if status == _INVALID_ARGUMENT:
            raise ValueError("an argument the library needs is missing")
        lib = self._library
        raise Error(lib.kavelin_failure_text(self._handle).decode("utf-8", "replace"),
                    lib.kavelin_failure_code(self._handle),
                    lib.kavelin_failure_cause(self._handle).decode("utf-8", "replace"))

    def _text(self, function, *arguments) -> str:
        result = ctypes.c_void_p()
        self._call(function, *arguments, ctypes.byref(result))
        try:
            return ctypes.string_at(result.value).decode("utf-8", "replace")
        finally:
            self._library.kavelin_free(result)

    def start_session(self) -> str:
        """Opens a device session and returns its ID."""
        return self._text(self._library.kavelin_start_session)

    def end_session(self) -> None:
        """Ends the device session, if one is open."""
        self._call(self._library.kavelin_end_session)

    def get_data(self, xpath: str, prefixes: Optional[Pairs] = None, *,
                 prefix_map_document: Optional[str] = None) -> str:
        """The device's answer to an XPath expression: elements as XML, functions such as
        string() as text. `prefixes` maps the expression's prefixes to namespaces
        ({"dd": ns}); `prefix_map_document` sends a prefix-map document of your own instead."""
        document = prefix_map_document if prefix_map_document is not None else prefix_map(prefixes)
        return self._text(self._library.kavelin_get_data, _utf8(xpath), _utf8(document))

    def set_data(self, document: str, results_details: bool = False) -> None:
        """Writes an XDM document (only elements the device marks settable)."""
        self._call(self._library.kavelin_set_data, _utf8(document), 1 if results_details else 0)

    def settable(self) -> str:
        """The device's settable elements, as it sends them."""
        return self._text(self._library.kavelin_get_settable)

    def events(self) -> List[str]:
        """The names of the events the device can deliver, in its order."""
        block = ctypes.c_void_p()
        count = ctypes.c_size_t()
        self._call(self._library.kavelin_get_supported_events, ctypes.byref(block),
                   ctypes.byref(count))
        try:
            names = ctypes.cast(block, ctypes.POINTER(ctypes.c_char_p))
            return [names[i].decode("utf-8", "replace") for i in range(count.value)]
        finally:
            self._library.kavelin_free(block)

    def subscribe(self, event: str, *, filters: Optional[Pairs] = None,
                  cookie: Optional[str] = None, reliability: Optional[str] = None,
                  fallback_address: Optional[str] = None) -> str:
        """Subscribes to `event` and returns the subscription ID. `filters` are name/value
        pairs the device matches changes against; `reliability` is "Retry" or
        "PersistentRetry". The device delivers to this computer at
        $OVXORB_SOAP_SERVICE_PORT, or to `fallback_address` when that is not set."""
        return self._text(self._library.kavelin_subscribe,
                          _utf8(subscription_info(event, cookie, reliability)),
                          _utf8(filter_document(filters)), _utf8(fallback_address))

    def unsubscribe(self, subscription_id: str) -> None:
        """Cancels a subscription."""
        self._call(self._library.kavelin_unsubscribe, _utf8(subscription_id))
