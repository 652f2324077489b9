#!/usr/bin/env python3
"""A small HTTP server for the online tests.

Serves the files below --root on 127.0.0.1 at a free port and prints that port on
its first output line.  A missing file gets a 404 with an HTML error page.  Paths
given with --short are answered with a Content-Length larger than the body, after
which the connection is closed.  Hostile or slow answers for single paths:
  --status PATH=CODE    answer CODE instead of 200 (a 204 sends no body)
  --slow PATH=SECONDS   spread the body over SECONDS in 20 pieces
  --stall PATH=BYTES    send BYTES of the body, then nothing until the client leaves
  --no-length PATH      send no Content-Length; the end of the body is the close
  --encoding PATH=NAME  send "Content-Encoding: NAME" whatever the request accepts, as
                        a compressing proxy does; the body gzip-compressed for gzip
With --cert and --key (PEM files) it speaks HTTPS with that certificate instead.
Requests are answered in parallel.  Every request path is appended to --log before
the answer is sent.  The server ends when its standard input closes or after
--lifetime seconds, whichever comes first.
"""
import argparse
import gzip
import http.server
import os
import ssl
import sys
import threading
import time


def per_path(values, kind):
    result = {}
    for value in values:
        path, _, setting = value.rpartition("=")
        result[path] = kind(setting)
    return result


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--log", required=True)
    parser.add_argument("--short", action="append", default=[])
    parser.add_argument("--status", action="append", default=[])
    parser.add_argument("--slow", action="append", default=[])
    parser.add_argument("--stall", action="append", default=[])
    parser.add_argument("--no-length", action="append", default=[])
    parser.add_argument("--encoding", action="append", default=[])
    parser.add_argument("--lifetime", type=float, default=120.0)
    parser.add_argument("--cert")
    parser.add_argument("--key")
    args = parser.parse_args()
    root = os.path.realpath(args.root)
    status = per_path(args.status, int)
    slow = per_path(args.slow, float)
    stall = per_path(args.stall, int)
    encoding = per_path(args.encoding, str)
    log_lock = threading.Lock()
    stopping = threading.Event()

    class Handler(http.server.BaseHTTPRequestHandler):
        protocol_version = "HTTP/1.0"

        def log_message(self, *unused):
            pass

        def do_GET(self):
            with log_lock, open(args.log, "a", encoding="utf-8") as log:
                log.write(self.path + "\n")
            path = os.path.realpath(os.path.join(root, self.path.lstrip("/")))
            if not path.startswith(root + os.sep) or not os.path.isfile(path):
                self.send_error(404)
                return
            with open(path, "rb") as f:
                body = f.read()
            code = status.get(self.path, 200)
            if code == 204:
                body = b""
            coding = encoding.get(self.path)
            if coding == "gzip":
                body = gzip.compress(body)
            self.send_response(code)
            self.send_header("Content-Type", "application/octet-stream")
            if coding is not None:
                self.send_header("Content-Encoding", coding)
            if self.path not in args.no_length and code != 204:
                declared = len(body) + (100 if self.path in args.short else 0)
                self.send_header("Content-Length", str(declared))
            self.end_headers()
            self.wfile.flush()
            try:
                if self.path in slow:
                    pieces = 20
                    step = max(1, -(-len(body) // pieces))
                    for i in range(0, len(body), step):
                        self.wfile.write(body[i:i + step])
                        self.wfile.flush()
                        time.sleep(slow[self.path] / pieces)
                elif self.path in stall:
                    self.wfile.write(body[:stall[self.path]])
                    self.wfile.flush()
                    self.connection.settimeout(0.05)
                    while not stopping.is_set():
                        try:
                            if not self.connection.recv(1):
                                break  # the client has gone
                        except TimeoutError:
                            pass
                else:
                    self.wfile.write(body)
                    self.wfile.flush()
            except (BrokenPipeError, ConnectionResetError):
                pass
            self.close_connection = True

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    if args.cert:
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(args.cert, args.key)
        # A client that refuses the certificate ends its own handshake; accept() then
        # fails for that connection alone and the server goes on.
        server.socket = context.wrap_socket(server.socket, server_side=True)
    print(server.server_address[1], flush=True)
    threading.Thread(target=server.serve_forever, args=(0.05,), daemon=True).start()

    stdin_closed = threading.Event()

    def watch_stdin():
        sys.stdin.buffer.read()
        stdin_closed.set()

    threading.Thread(target=watch_stdin, daemon=True).start()
    stdin_closed.wait(args.lifetime)
    stopping.set()
    server.shutdown()
    server.server_close()


if __name__ == "__main__":
    main()
