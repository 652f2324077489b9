#!/usr/bin/env python3
"""A small HTTP server for the online tests.

Serves the files below --root on 127.0.0.1 at a free port and prints that port on
its first output line.  A missing file gets a 404 with an HTML error page.  Paths
given with --short are answered with a Content-Length larger than the body, after
which the connection is closed.  Every request path is appended to --log before
the answer is sent.  The server ends when its standard input closes or after
--lifetime seconds, whichever comes first.
"""
import argparse
import http.server
import os
import sys
import threading


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--log", required=True)
    parser.add_argument("--short", action="append", default=[])
    parser.add_argument("--lifetime", type=float, default=120.0)
    args = parser.parse_args()
    root = os.path.realpath(args.root)

    class Handler(http.server.BaseHTTPRequestHandler):
        protocol_version = "HTTP/1.0"

        def log_message(self, *unused):
            pass

        def do_GET(self):
            with open(args.log, "a", encoding="utf-8") as log:
                log.write(self.path + "\n")
            path = os.path.realpath(os.path.join(root, self.path.lstrip("/")))
            if not path.startswith(root + os.sep) or not os.path.isfile(path):
                self.send_error(404)
                return
            with open(path, "rb") as f:
                body = f.read()
            self.send_response(200)
            self.send_header("Content-Type", "application/octet-stream")
            declared = len(body) + (100 if self.path in args.short else 0)
            self.send_header("Content-Length", str(declared))
            self.end_headers()
            self.wfile.write(body)
            self.wfile.flush()
            self.close_connection = True

    server = http.server.HTTPServer(("127.0.0.1", 0), Handler)
    print(server.server_address[1], flush=True)
    threading.Thread(target=server.serve_forever, args=(0.05,), daemon=True).start()

    stdin_closed = threading.Event()

    def watch_stdin():
        sys.stdin.buffer.read()
        stdin_closed.set()

    threading.Thread(target=watch_stdin, daemon=True).start()
    stdin_closed.wait(args.lifetime)
    server.shutdown()
    server.server_close()


if __name__ == "__main__":
    main()
