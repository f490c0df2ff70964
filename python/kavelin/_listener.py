"""The HTTP listener at the delivery address: one thread with an event loop over every open
connection, so that connections which say nothing, or trickle, delay no other. A POST at
/EventCallback delivering an event to a subscription the watch holds is answered with
bsi:DeliverResponse; anything else gets a SOAP Fault."""

from __future__ import annotations

import re
import selectors
import socket
import threading
import time
import xml.etree.ElementTree as ET
from dataclasses import dataclass, field
from datetime import datetime, timezone
from typing import Callable, Dict, List, Optional, Tuple
from xml.sax.saxutils import escape

BSI = "http://schemas.orvanta.example/schemas/imaging/con/bsi/2003/08/21"
SOAP_ENV = "http://schemas.xmlsoap.org/soap/envelope/"
CALLBACK_PATH = "/EventCallback"


@dataclass
class Limits:
    """The listener's bounds, those of `kavelin watch`."""
    connections: int = 256  # open at once; a new one past this closes the oldest
    request_bytes: int = 1 << 20  # a larger request is refused
    buffered_bytes: int = 32 << 20  # for all connections; past it the largest is refused
    idle: float = 5.0  # seconds for a connection to begin a request
    transfer: float = 10.0  # seconds for a request to arrive whole from its first byte


@dataclass
class Event:
    """One delivered event. Every text has its control characters escaped ("\\x1b", "\\n",
    "\\u009b"), so that printing it can drive no terminal."""
    received: datetime
    name: str
    subscription: str
    # The other properties in wire order, empty ones left out; the payload last, as "Payload".
    properties: List[Tuple[str, str]] = field(default_factory=list)


def visible(text: str) -> str:
    """`text` with C0 controls other than TAB, DEL and the C1 controls written as escapes."""
    def one(match: "re.Match[str]") -> str:
        c = match.group()
        if c == "\r":
            return "\\r"
        if c == "\n":
            return "\\n"
        return f"\\x{ord(c):02x}" if ord(c) < 0x80 else f"\\u{ord(c):04x}"
    return re.sub("[\x00-\x08\x0a-\x1f\x7f\x80-\x9f]", one, text)


class _Refused(Exception):
    pass


def _local(tag: str) -> str:
    return tag.rsplit("}", 1)[-1]


def read_delivery(body: bytes, held: Callable[[str], bool]) -> Event:
    """The event a bsi:Deliver request carries; _Refused with the reason for anything else."""
    if b"<!DOCTYPE" in body.upper():
        raise _Refused("a document type declaration is not accepted")
    try:
        root = ET.fromstring(body)
    except ET.ParseError as failure:
        raise _Refused(f"not XML: {failure}") from None
    is_envelope = root.tag == f"{{{SOAP_ENV}}}Envelope"
    envelope_body = root.find(f"{{{SOAP_ENV}}}Body") if is_envelope else None
    if envelope_body is None:
        raise _Refused("not a SOAP 1.1 envelope")
    deliver = envelope_body.find(f"{{{BSI}}}Deliver")
    delivered = deliver.find(f"{{{BSI}}}Event") if deliver is not None else None
    if delivered is None:
        raise _Refused("not a bsi:Deliver with a bsi:Event")
    event = Event(datetime.now(timezone.utc), "", "")
    properties = delivered.find(f"{{{BSI}}}Properties")
    for child in properties if properties is not None else []:
        name, text = _local(child.tag), visible(child.text or "")
        if name == "Name":
            event.name = text
        elif name == "SubscriptionID":
            event.subscription = text
        elif text:
            event.properties.append((name, text))
    payload = delivered.find(f"{{{BSI}}}Payload")
    if payload is not None:
        markup = (payload.text or "") + "".join(ET.tostring(c, encoding="unicode") for c in payload)
        if markup:
            event.properties.append(("Payload", visible(markup)))
    # Anyone who reaches the listener can post; only the device knows the ids it gave out.
    if not held(event.subscription):
        raise _Refused("not a subscription of this watch")
    return event


def _envelope(body: str) -> bytes:
    return (f'<?xml version="1.0" encoding="UTF-8"?><SOAP-ENV:Envelope xmlns:SOAP-ENV="{SOAP_ENV}" '
            f'xmlns:bsi="{BSI}"><SOAP-ENV:Body>{body}</SOAP-ENV:Body></SOAP-ENV:Envelope>').encode()


def _answer(status: str, body: bytes, keep_alive: bool) -> bytes:
    head = (f"HTTP/1.1 {status}\r\nContent-Type: text/xml; charset=utf-8\r\n"
            f"Content-Length: {len(body)}\r\nConnection: {'keep-alive' if keep_alive else 'close'}"
            "\r\n\r\n")
    return head.encode() + body


def fault(reason: str) -> bytes:
    return _answer("500 Internal Server Error", _envelope(
        "<SOAP-ENV:Fault><faultcode>SOAP-ENV:Client</faultcode>"
        f"<faultstring>{escape(visible(reason))}</faultstring></SOAP-ENV:Fault>"), False)


def frame(data: bytes) -> Tuple[Optional[int], Optional[bytes], Dict[str, str], bool]:
    """The first request among `data`: (its length, its body, its headers, whether it awaits a
    100 Continue); length None while more bytes are needed. _Refused for framing that cannot be
    followed."""
    head_end = data.find(b"\r\n\r\n")
    if head_end < 0:
        return None, None, {}, False
    lines = data[:head_end].decode("latin-1").split("\r\n")
    headers = {}
    for line in lines[1:]:
        name, _, value = line.partition(":")
        headers[name.strip().lower()] = value.strip()
    headers[":start"] = lines[0]
    at = head_end + 4
    if "chunked" in headers.get("transfer-encoding", "").lower():
        body = bytearray()
        while True:
            line_end = data.find(b"\r\n", at)
            if line_end < 0:
                return None, None, headers, False
            try:
                size = int(data[at:line_end].split(b";")[0], 16)
            except ValueError:
                raise _Refused("bad chunk size") from None
            at = line_end + 2
            if size == 0:
                trailer_end = data.find(b"\r\n\r\n", at - 2)
                return (None, None, headers, False) if trailer_end < 0 else (
                    trailer_end + 4, bytes(body), headers, False)
            if len(data) < at + size + 2:
                return None, None, headers, False
            body += data[at:at + size]
            at += size + 2
    length = headers.get("content-length", "0")
    if not length.isdigit():
        raise _Refused("bad Content-Length")
    if len(data) < at + int(length):
        continues = headers.get("expect", "").lower() == "100-continue" and len(data) == at
        return None, None, headers, continues
    return at + int(length), data[at:at + int(length)], headers, False


class _Connection:
    def __init__(self, sock: socket.socket, now: float) -> None:
        self.sock = sock
        self.data = bytearray()
        self.began = now  # the connection, or the request it waits for
        self.first_byte: Optional[float] = None
        self.out = b""
        self.close_after = False
        self.continued = False


class Listener:
    """Serves deliveries on its own thread. `held(id)` says whether a subscription is the
    watch's; `deliver(event)` takes each event before its request is answered; `refused(reason)`
    hears of every request answered with a Fault."""

    def __init__(self, held: Callable[[str], bool], deliver: Callable[[Event], None],
                 refused: Callable[[str], None], limits: Limits = Limits()) -> None:
        self._held, self._deliver, self._refused, self._limits = held, deliver, refused, limits
        self._selector = selectors.DefaultSelector()
        self._connections: Dict[socket.socket, _Connection] = {}
        self._stop = threading.Event()
        self._thread: Optional[threading.Thread] = None
        self._server: Optional[socket.socket] = None
        self.port = 0

    def start(self, address: str, port: int = 0) -> None:
        """Binds `address` (dotted IPv4) and `port` (0: any free one) and starts serving;
        OSError when it cannot bind."""
        self._server = socket.create_server((address, port), backlog=64)
        self._server.setblocking(False)
        self.port = self._server.getsockname()[1]
        self._selector.register(self._server, selectors.EVENT_READ)
        self._thread = threading.Thread(target=self._run, name="kavelin-listener", daemon=True)
        self._thread.start()

    def stop(self) -> None:
        """Stops serving, closes every connection and joins the thread. Idempotent."""
        self._stop.set()
        if self._thread is not None:
            self._thread.join()
            self._thread = None
        for connection in list(self._connections.values()):
            self._close(connection)
        if self._server is not None:
            self._selector.unregister(self._server)
            self._server.close()
            self._server = None
        self._selector.close()

    def stopping(self) -> bool:
        return self._stop.is_set()

    def _run(self) -> None:
        while not self._stop.is_set():
            for key, mask in self._selector.select(timeout=0.1):
                if key.fileobj is self._server:
                    self._accept()
                elif key.fileobj in self._connections:
                    connection = self._connections[key.fileobj]
                    if mask & selectors.EVENT_WRITE:
                        self._send(connection)
                    elif mask & selectors.EVENT_READ:
                        self._receive(connection)
            self._expire()

    def _accept(self) -> None:
        try:
            sock, _ = self._server.accept()
        except OSError:
            return
        if len(self._connections) >= self._limits.connections:
            self._close(min(self._connections.values(), key=lambda c: c.began))
        sock.setblocking(False)
        self._connections[sock] = _Connection(sock, time.monotonic())
        self._selector.register(sock, selectors.EVENT_READ)

    def _close(self, connection: _Connection) -> None:
        if self._connections.pop(connection.sock, None) is not None:
            self._selector.unregister(connection.sock)
        connection.sock.close()

    def _reply(self, connection: _Connection, answer: bytes, close: bool) -> None:
        connection.out += answer
        connection.close_after = connection.close_after or close
        self._selector.modify(connection.sock, selectors.EVENT_WRITE)
        connection.began = time.monotonic()
        connection.first_byte = None

    def _refuse(self, connection: _Connection, reason: str) -> None:
        self._refused(reason)
        connection.data.clear()
        self._reply(connection, fault(reason), True)

    def _receive(self, connection: _Connection) -> None:
        try:
            chunk = connection.sock.recv(65536)
        except OSError:
            chunk = b""
        if not chunk:
            self._close(connection)
            return
        if connection.first_byte is None:
            connection.first_byte = time.monotonic()
        connection.data += chunk
        self._serve(connection)
        buffered = sum(len(c.data) for c in self._connections.values())
        if buffered > self._limits.buffered_bytes:
            largest = max(self._connections.values(), key=lambda c: len(c.data))
            self._refuse(largest, "the listener holds too much")

    def _serve(self, connection: _Connection) -> None:
        try:
            length, body, headers, awaits_continue = frame(bytes(connection.data))
        except _Refused as failure:
            self._refuse(connection, str(failure))
            return
        too_large = f"a request of more than {self._limits.request_bytes} bytes"
        if length is None:
            if len(connection.data) > self._limits.request_bytes:
                self._refuse(connection, too_large)
            elif awaits_continue and not connection.continued:
                connection.continued = True
                connection.out += b"HTTP/1.1 100 Continue\r\n\r\n"
                self._selector.modify(connection.sock, selectors.EVENT_WRITE)
            return
        if length > self._limits.request_bytes:
            self._refuse(connection, too_large)
            return
        del connection.data[:length]
        connection.continued = False
        start = headers[":start"].split(" ")
        version_1_0 = start[-1] == "HTTP/1.0"
        wants = headers.get("connection", "").lower()
        keep_alive = wants == "keep-alive" if version_1_0 else wants != "close"
        try:
            if len(start) != 3 or start[0] != "POST" or start[1].split("?")[0] != CALLBACK_PATH:
                raise _Refused("no event callback at this path")
            event = read_delivery(body, self._held)
        except _Refused as failure:
            self._refused(str(failure))
            self._reply(connection, fault(str(failure)), True)
            return
        self._deliver(event)
        self._reply(connection, _answer("200 OK", _envelope("<bsi:DeliverResponse/>"), keep_alive),
                    not keep_alive)

    def _send(self, connection: _Connection) -> None:
        try:
            sent = connection.sock.send(connection.out)
        except OSError:
            self._close(connection)
            return
        connection.out = connection.out[sent:]
        if connection.out:
            return
        if connection.close_after:
            self._close(connection)
        else:
            self._selector.modify(connection.sock, selectors.EVENT_READ)
            if connection.data:
                self._serve(connection)

    def _expire(self) -> None:
        now = time.monotonic()
        for connection in list(self._connections.values()):
            if connection.out or connection.first_byte is not None:
                if now - (connection.first_byte or connection.began) > self._limits.transfer:
                    self._close(connection)
            elif now - connection.began > self._limits.idle:
                self._close(connection)
