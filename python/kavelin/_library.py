"""libkavelin loaded with ctypes, found as the command-line host finds it."""

from __future__ import annotations

import ctypes
import os
from typing import List

from . import _location

_P = ctypes.c_void_p
_TEXT = ctypes.c_char_p
_OUT = ctypes.POINTER(ctypes.c_void_p)

# Each function's result and argument types, as kavelin_c.h declares them.
_PROTOTYPES = {
    "kavelin_create": (_P, []),
    "kavelin_destroy": (None, [_P]),
    "kavelin_session_create": (_P, []),
    "kavelin_session_release": (None, [_P]),
    "kavelin_initialize": (ctypes.c_int, [_P, _TEXT, _P]),
    "kavelin_start_session": (ctypes.c_int, [_P, _OUT]),
    "kavelin_end_session": (ctypes.c_int, [_P]),
    "kavelin_get_data": (ctypes.c_int, [_P, _TEXT, _TEXT, _OUT]),
    "kavelin_set_data": (ctypes.c_int, [_P, _TEXT, ctypes.c_int]),
    "kavelin_get_settable": (ctypes.c_int, [_P, _OUT]),
    "kavelin_get_supported_events": (
        ctypes.c_int, [_P, _OUT, ctypes.POINTER(ctypes.c_size_t)]),
    "kavelin_subscribe": (ctypes.c_int, [_P, _TEXT, _TEXT, _TEXT, _OUT]),
    "kavelin_unsubscribe": (ctypes.c_int, [_P, _TEXT]),
    "kavelin_free": (None, [_P]),
    "kavelin_failure_text": (_TEXT, [_P]),
    "kavelin_failure_code": (ctypes.c_int32, [_P]),
    "kavelin_failure_cause": (_TEXT, [_P]),
}


def candidates() -> List[str]:
    """$KAVELIN_LIBRARY alone when set; else the library of the installed tree this package is
    in, the build tree's library, the configured install location."""
    override = os.environ.get("KAVELIN_LIBRARY")
    if override:
        return [override]
    here = os.path.dirname(os.path.abspath(__file__))
    return [os.path.normpath(os.path.join(here, _location.RELATIVE_LIBRARY)),
            _location.BUILD_LIBRARY, _location.INSTALLED_LIBRARY]


def load() -> ctypes.CDLL:
    """The library with its C interface declared; OSError naming the places tried."""
    tried = candidates()
    last = ""
    for path in tried:
        if not os.path.exists(path):
            continue
        try:
            library = ctypes.CDLL(path)
        except OSError as failure:
            last = f": {failure}"
            continue
        for name, (result, arguments) in _PROTOTYPES.items():
            function = getattr(library, name)
            function.restype = result
            function.argtypes = arguments
        return library
    raise OSError(f"cannot load libkavelin.so (tried {', '.join(tried)}){last}")
