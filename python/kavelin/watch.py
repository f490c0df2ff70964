"""kavelin.watch: the events a device delivers, as `kavelin watch` prints them."""

from __future__ import annotations

import contextlib
import logging
import os
import queue
import socket
import time
from typing import Iterator, List, Optional, Sequence
from urllib.parse import urlsplit

from ._listener import Event, Limits, Listener
from .proxy import Error, Pairs, Proxy, Session

_log = logging.getLogger("kavelin")
_WEEK = 7 * 24 * 3600.0
_LOOPBACK = "127.0.0.1"


def listen_address_toward(url: str) -> str:
    """The IPv4 address through which this computer reaches the device at `url`: where its
    deliveries come in. Loopback when the URL names no host or no route leads there."""
    host: Optional[str] = None
    if url.startswith("http://"):
        host = urlsplit(url).hostname
    elif url.startswith("ovdcs:"):
        rest = url[len("ovdcs:"):].lstrip("/\\")
        if ":" in rest:  # HOST:PORT, not a Unix socket path or a configured name
            host = rest.split("/")[0].rsplit("@", 1)[-1].split(":")[0]
    if not host or host.startswith("["):
        return _LOOPBACK
    try:  # a connected datagram socket sends nothing
        with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as probe:
            probe.connect((host, 9))
            return probe.getsockname()[0]
    except OSError:
        return _LOOPBACK


@contextlib.contextmanager
def _delivery_port(port: int) -> Iterator[None]:
    # The library builds the delivery address from this variable when it subscribes.
    previous = os.environ.get("OVXORB_SOAP_SERVICE_PORT")
    os.environ["OVXORB_SOAP_SERVICE_PORT"] = str(port)
    try:
        yield
    finally:
        if previous is None:
            del os.environ["OVXORB_SOAP_SERVICE_PORT"]
        else:
            os.environ["OVXORB_SOAP_SERVICE_PORT"] = previous


class _Refusals:
    """Refused requests on the "kavelin" logger, at most one line a second."""

    def __init__(self) -> None:
        self._last = 0.0
        self._unsaid = 0

    def __call__(self, reason: str) -> None:
        now = time.monotonic()
        if now - self._last < 1.0:
            self._unsaid += 1
            return
        more = f" (and {self._unsaid} more)" if self._unsaid else ""
        _log.warning("a delivery was refused: %s%s", reason, more)
        self._last, self._unsaid = now, 0


def _check(value: Optional[float], what: str, low: float, high: float) -> None:
    if value is not None and not low <= value <= high:
        raise ValueError(f"{what} must be from {low:g} to {high:g}")


def watch(url: str, events: Optional[Sequence[str]] = None, *, filters: Optional[Pairs] = None,
          cookie: Optional[str] = None, reliability: Optional[str] = None,
          listen: Optional[str] = None, port: int = 0, count: Optional[int] = None,
          duration: Optional[float] = None, check: float = 30.0,
          session: Optional[Session] = None, limits: Limits = Limits()) -> Iterator[Event]:
    """Yields the events the device at `url` delivers.

    Listens at `listen`:`port` (by default the address through which this computer reaches
    the device, any free port), subscribes to `events` (every event the device supports when
    none is named) with the filters, cookie and reliability given, and yields each delivery to
    one of these subscriptions. Every `check` seconds it asks the device whether it still
    answers (Error when it does not). It stops after `count` events or `duration` seconds, or
    when the caller stops iterating, and then cancels every subscription it made; a failed
    cancellation raises Error at the end of a watch that ran out by itself."""
    _check(count, "count", 1, 1_000_000)
    _check(duration, "duration", 1e-3, _WEEK)
    _check(check, "check", 1e-3, _WEEK)
    _check(port, "port", 0, 65535)
    held: set = set()
    delivered: "queue.Queue[Event]" = queue.Queue(maxsize=1024)
    listener: Listener

    def deliver(event: Event) -> None:
        # A caller that does not iterate holds the listener, as a slow terminal holds the
        # command's: the device's wait for an answer bounds it.
        while not listener.stopping():
            with contextlib.suppress(queue.Full):
                delivered.put(event, timeout=0.1)
                return

    listener = Listener(held.__contains__, deliver, _Refusals(), limits)
    proxy = Proxy(url, session)
    subscriptions: List[str] = []
    failures: List[Error] = []
    ran_out = False
    try:
        address = listen or listen_address_toward(url)
        listener.start(address, port)
        _log.info("listening on %s:%d", address, listener.port)
        with _delivery_port(listener.port):
            for name in events or proxy.events():
                subscriptions.append(proxy.subscribe(name, filters=filters, cookie=cookie,
                                                     reliability=reliability))
                held.add(subscriptions[-1])
        deadline = time.monotonic() + duration if duration is not None else float("inf")
        next_check = time.monotonic() + check
        seen = 0
        while count is None or seen < count:
            now = time.monotonic()
            if now >= deadline:
                break
            if now >= next_check:
                proxy.events()  # a device that went away sends no deliveries either
                next_check = now + check
            try:
                event = delivered.get(timeout=min(deadline, next_check) - now)
            except queue.Empty:
                continue
            seen += 1
            yield event
        ran_out = True
    finally:
        listener.stop()
        for subscription in subscriptions:
            try:
                proxy.unsubscribe(subscription)
            except Error as failure:
                _log.warning("%s (%s)", failure, subscription)
                failures.append(failure)
        proxy.close()
    if failures and ran_out:
        raise failures[0]
