"""The device service proxy for Python, over libkavelin's C interface.

    import kavelin
    dd = "http://schemas.orvanta.example/schemas/imaging/con/dictionaries/1.0/"
    with kavelin.Proxy("http://127.0.0.1:8080/BaseService") as p:
        print(p.get_data("string(//dd:Model)", prefixes={"dd": dd}))

The library is found at $KAVELIN_LIBRARY when that is set, else in the installed tree this
package belongs to, else in the build tree, else at the configured install location.
"""

from ._listener import Event, Limits
from .proxy import Error, Proxy, Session
from .watch import watch

__all__ = ["Error", "Event", "Limits", "Proxy", "Session", "watch"]
