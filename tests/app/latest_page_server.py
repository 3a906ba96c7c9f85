#!/usr/bin/python3
"""Serves the latest-version page over HTTPS on 127.0.0.1 for the program test.

usage: latest_page_server.py CERT KEY
Prints the port it listens on, then one line "GET <Host header> <path>" for every request, and
serves until killed. The page calls back /loaded from its onload handler, so a "/loaded" line
means a browser has loaded and run the whole page.
"""

import http.server
import ssl
import sys

PAGE = (b"<!DOCTYPE html><html><head><meta charset='utf-8'><title>Zorimex latest</title></head>"
        b"<body onload=\"fetch('/loaded', {cache: 'no-store'})\"><p>6.0</p></body></html>")


class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        print(f"GET {self.headers.get('Host', '')} {self.path}", flush=True)
        body = b"ok" if self.path.startswith("/loaded") else PAGE
        self.send_response(200)
        self.send_header("Content-Type", "text/html; charset=utf-8")
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Cache-Control", "no-store")
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


def main():
    cert, key = sys.argv[1:3]
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(cert, key)
    server.socket = context.wrap_socket(server.socket, server_side=True)
    print(server.server_address[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
