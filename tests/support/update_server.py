#!/usr/bin/env python3
"""A loopback update server for the tests.

GET /update.aspx?file=<stem>.zip answers with <root>/<stem>.dat, or with a not-found page when there
is none. A file <root>/<stem>.answer changes the answer to one of:
  missing     the not-found page with status 404, as for a file the server does not have
  status500   an error page with status 500
  notfound    the not-found text with status 200, as some servers send it
  truncate    announces the whole file and sends half of it
  stall       announces the file and sends nothing until the client gives up
  drip        announces the file and sends it 3 bytes a second
GET /<name>.xml answers with <root>/<name>.xml the same way (a rates file), its answer in
<root>/<name>.answer.
Every request's path is appended to <root>/requests.log. GET /quit stops the server, which also
stops by itself after --lifetime seconds.
"""
import argparse
import http.server
import os
import ssl
import threading
import time
import urllib.parse

NOT_FOUND = b"<html><body><h1>HTTP 404 - File not found</h1></body></html>"


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def send_body(self, status, body, length=None):
        self.send_response(status)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(len(body) if length is None else length))
        self.end_headers()
        self.wfile.write(body)
        self.wfile.flush()

    def do_GET(self):
        root = self.server.root
        with open(os.path.join(root, "requests.log"), "a") as log:
            log.write(self.path + "\n")
        url = urllib.parse.urlsplit(self.path)
        if url.path == "/quit":
            self.send_body(200, b"bye")
            threading.Thread(target=self.server.shutdown, daemon=True).start()
            return
        name = urllib.parse.parse_qs(url.query).get("file", [""])[0]
        rates = url.path.endswith(".xml") and url.path.count("/") == 1
        if rates:
            stem, suffix = url.path[1 : -len(".xml")], ".xml"
        elif url.path != "/update.aspx" or not name.endswith(".zip") or "/" in name or "\\" in name:
            return self.send_body(404, NOT_FOUND)
        else:
            stem, suffix = name[: -len(".zip")], ".dat"
        answer_path = os.path.join(root, stem + ".answer")
        answer = open(answer_path).read().strip() if os.path.exists(answer_path) else ""
        data_path = os.path.join(root, stem + suffix)
        if answer == "status500":
            return self.send_body(500, b"<html>Internal Server Error</html>")
        if answer == "notfound":
            return self.send_body(200, NOT_FOUND)
        if answer == "missing" or not os.path.exists(data_path):
            return self.send_body(404, NOT_FOUND)
        with open(data_path, "rb") as data:
            body = data.read()
        if answer == "truncate":
            self.send_body(200, body[: len(body) // 2], length=len(body))
            self.close_connection = True
            return
        if answer == "drip":
            self.send_response(200)
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            for at in range(0, len(body), 3):
                if self.server.stopping:
                    break
                try:
                    self.wfile.write(body[at : at + 3])
                    self.wfile.flush()
                except OSError:
                    break
                time.sleep(1)
            self.close_connection = True
            return
        if answer == "stall":
            self.send_response(200)
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.flush()
            deadline = time.monotonic() + self.server.lifetime
            while time.monotonic() < deadline and not self.server.stopping:
                time.sleep(0.1)
            self.close_connection = True
            return
        self.send_body(200, body)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--port-file", required=True)
    parser.add_argument("--cert")
    parser.add_argument("--key")
    parser.add_argument("--lifetime", type=float, default=300)
    args = parser.parse_args()

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    server.root = args.root
    server.lifetime = args.lifetime
    server.stopping = False
    if args.cert:
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(args.cert, args.key)
        server.socket = context.wrap_socket(server.socket, server_side=True)
    timer = threading.Timer(args.lifetime, server.shutdown)
    timer.daemon = True
    timer.start()
    temporary = args.port_file + ".tmp"
    with open(temporary, "w") as port_file:
        port_file.write(str(server.server_address[1]))
    os.replace(temporary, args.port_file)
    try:
        server.serve_forever(poll_interval=0.1)
    finally:
        server.stopping = True
        server.server_close()


if __name__ == "__main__":
    main()
