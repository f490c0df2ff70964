"""Python's standard HTTP client posting the proxy's own request over one kept-alive
connection, measured like the other clients of the comparison.

    python3 python_client.py URL CALLS RSS_MARK REQUEST_FILE

prints: calls=N wall_ns=W cpu_ns=C rss_mark_kb=M rss_kb=R
"""
import http.client
import sys
import time
import urllib.parse

WARM_UP_CALLS = 200


def resident_kilobytes():
    with open("/proc/self/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return -1


def main():
    url, calls, rss_mark, request_file = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
    with open(request_file, "rb") as f:
        request = f.read()
    head, body = request.split(b"\r\n\r\n", 1)
    request_line, *fields = head.decode("latin-1").split("\r\n")
    method, path, _ = request_line.split(" ")
    headers = [field.split(": ", 1) for field in fields]
    target = urllib.parse.urlsplit(url)
    connection = http.client.HTTPConnection(target.hostname, target.port)

    def call():
        # The proxy's header lines as they are, so the bytes sent are the same.
        connection.putrequest(method, path, skip_host=True, skip_accept_encoding=True)
        for name, value in headers:
            connection.putheader(name, value)
        connection.endheaders(body)
        response = connection.getresponse()
        return response.status == 200 and len(response.read()) > 0

    for _ in range(WARM_UP_CALLS):
        if not call():
            return 1
    mark = 0
    cpu_start = time.process_time_ns()
    wall_start = time.monotonic_ns()
    for n in range(1, calls + 1):
        if not call():
            return 1
        if n == rss_mark:
            mark = resident_kilobytes()
    wall = time.monotonic_ns() - wall_start
    cpu = time.process_time_ns() - cpu_start
    print(f"calls={calls} wall_ns={wall} cpu_ns={cpu} rss_mark_kb={mark} rss_kb={resident_kilobytes()}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
