#!/usr/bin/python3
"""Serves the latest-version page over HTTPS on 127.0.0.1, for the program test and the start-up
benchmark.

usage: page_server.py CERT KEY [MARKER PORT_FILE]
Prints the port it listens on, then one line "GET <Host header> <path>" for every request, and
serves until killed. Every path but /loaded and /favicon.ico answers with a small page whose
onload handler calls back /loaded, so a "/loaded" line means a browser has loaded and run the
whole page. With MARKER, the moment /loaded arrives (CLOCK_MONOTONIC, nanoseconds) is also written
to that file; with PORT_FILE, the port is also written there. Both are written whole and renamed,
so a reader never sees half a number.
"""

import http.server
import os
import ssl
import sys
import time

PAGE = (b"<!DOCTYPE html><html><head><meta charset='utf-8'><title>Zorimex latest</title></head>"
        b"<body onload=\"fetch('/loaded', {cache: 'no-store'})\"><p>6.0</p></body></html>")


def write_whole(path, text):
    with open(path + ".part", "w") as f:
        f.write(text)
    os.replace(path + ".part", path)


def main():
    cert, key = sys.argv[1:3]
    marker = sys.argv[3] if len(sys.argv) > 3 else None
    port_file = sys.argv[4] if len(sys.argv) > 4 else None

    class Handler(http.server.BaseHTTPRequestHandler):
        def do_GET(self):
            print(f"GET {self.headers.get('Host', '')} {self.path}", flush=True)
            if self.path == "/favicon.ico":
                self.send_response(404)
                self.send_header("Content-Length", "0")
                self.end_headers()
                return
            if self.path.startswith("/loaded"):
                if marker:
                    write_whole(marker, f"{time.clock_gettime_ns(time.CLOCK_MONOTONIC)}\n")
                body, kind = b"ok", "text/plain"
            else:
                body, kind = PAGE, "text/html; charset=utf-8"
            self.send_response(200)
            self.send_header("Content-Type", kind)
            self.send_header("Content-Length", str(len(body)))
            self.send_header("Cache-Control", "no-store")
            self.end_headers()
            self.wfile.write(body)

        def log_message(self, *args):
            pass

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(cert, key)
    server.socket = context.wrap_socket(server.socket, server_side=True)
    print(server.server_address[1], flush=True)
    if port_file:
        write_whole(port_file, f"{server.server_address[1]}\n")
    server.serve_forever()


if __name__ == "__main__":
    main()
