#!/usr/bin/python3
"""Serves the latest-version page locally over HTTPS for the start-up benchmark.

Every path answers with a small page whose onload handler calls back /loaded; the moment that
call arrives (CLOCK_MONOTONIC, nanoseconds) is written to the marker file, which the watcher
reads. The browser is pointed here with Chromium's host resolver rules, so no network is used.

usage: page_server.py CERT KEY MARKER PORT_FILE
Writes the port it listens on (127.0.0.1, chosen by the system) to PORT_FILE, then serves until
killed.
"""

import http.server
import os
import ssl
import sys
import time

PAGE = (b"<!DOCTYPE html><html><head><meta charset='utf-8'><title>Zorimex</title></head>"
        b"<body onload=\"fetch('/loaded', {cache: 'no-store'})\">"
        b"<h1>Zorimex</h1><p>Latest version: 6.0</p></body></html>")


def main():
    cert, key, marker, port_file = sys.argv[1:5]

    class Handler(http.server.BaseHTTPRequestHandler):
        def do_GET(self):
            if self.path.startswith("/loaded"):
                now = time.clock_gettime_ns(time.CLOCK_MONOTONIC)
                # Written whole and renamed, so the watcher never reads half a number.
                partial = marker + ".part"
                with open(partial, "w") as f:
                    f.write(f"{now}\n")
                os.replace(partial, marker)
                body, kind = b"ok", "text/plain"
            elif self.path == "/favicon.ico":
                self.send_response(404)
                self.send_header("Content-Length", "0")
                self.end_headers()
                return
            else:
                body, kind = PAGE, "text/html; charset=utf-8"
            self.send_response(200)
            self.send_header("Content-Type", kind)
            self.send_header("Content-Length", str(len(body)))
            self.send_header("Cache-Control", "no-store")
            self.end_headers()
            self.wfile.write(body)

        def log_message(self, format, *args):
            pass

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(cert, key)
    server.socket = context.wrap_socket(server.socket, server_side=True)
    with open(port_file + ".part", "w") as f:
        f.write(f"{server.server_address[1]}\n")
    os.replace(port_file + ".part", port_file)
    server.serve_forever()


if __name__ == "__main__":
    main()
