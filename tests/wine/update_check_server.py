#!/usr/bin/env python3
"""Loopback web server for the update check's tests.

    update_check_server.py start STATE_DIR   start in the background, write STATE_DIR/port
    update_check_server.py stop STATE_DIR    stop the server started there

The port is chosen by the system, so test runs in other build folders never
collide. STATE_DIR/closed_port names a port that is bound but not listening:
connecting to it is refused. The server ends by itself after ten idle minutes.
"""
import http.server
import os
import signal
import socket
import subprocess
import sys
import threading
import time

SITE = "https://orvanel.example/download"
BIG = b"1|5|" + SITE.encode() + b"/" + b"a" * (10 * 1024 * 1024)

# path -> (status, body)
ANSWERS = {
    "/v1.4.txt": (200, b"1|4|" + SITE.encode()),
    "/v1.5.txt": (200, b"1|5|" + SITE.encode()),
    "/v2.0.txt": (200, b"2|0|" + SITE.encode() + b"\r\n"),
    "/v65537.0.txt": (200, b"65537|0|" + SITE.encode()),
    "/v9.9.txt": (200, b"9|9|" + SITE.encode()),
    "/empty.txt": (200, b""),
    "/no-bar.txt": (200, b"version nine"),
    "/big.txt": (200, BIG),
    "/http-address.txt": (200, b"1|5|http://orvanel.example/download"),
    "/file-address.txt": (200, b"1|5|file:///C:/Windows/System32/calc.exe"),
    # Error pages whose bodies look like a newer version.
    "/missing.txt": (404, b"9|9|" + SITE.encode()),
    "/broken.txt": (500, b"9|9|" + SITE.encode()),
}

IDLE_SECONDS = 600
last_request = time.monotonic()


class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        global last_request
        last_request = time.monotonic()
        status, body = ANSWERS.get(self.path, (404, b"not here"))
        try:
            self.send_response(status)
            self.send_header("Content-Type", "text/plain; charset=utf-8")
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)
        except (BrokenPipeError, ConnectionResetError):
            pass  # the client reads only the start of the big answer

    def log_message(self, *args):
        pass


def serve(state):
    closed = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    closed.bind(("127.0.0.1", 0))
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True

    def watchdog():
        while time.monotonic() - last_request < IDLE_SECONDS:
            time.sleep(5)
        server.shutdown()

    threading.Thread(target=watchdog, daemon=True).start()
    write(state, "closed_port", str(closed.getsockname()[1]))
    write(state, "pid", str(os.getpid()))
    write(state, "port", str(server.server_address[1]))
    server.serve_forever()


def write(state, name, text):
    tmp = os.path.join(state, name + ".tmp")
    with open(tmp, "w") as f:
        f.write(text)
    os.replace(tmp, os.path.join(state, name))


def stop(state):
    try:
        with open(os.path.join(state, "pid")) as f:
            os.kill(int(f.read()), signal.SIGTERM)
    except (OSError, ValueError):
        pass
    for name in ("port", "closed_port", "pid"):
        try:
            os.remove(os.path.join(state, name))
        except OSError:
            pass


def start(state):
    os.makedirs(state, exist_ok=True)
    stop(state)
    # Detached from the caller's output: the test runner waits for its pipes.
    subprocess.Popen([sys.executable, os.path.abspath(__file__), "serve", state],
                     stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                     stderr=subprocess.DEVNULL, start_new_session=True)
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        if os.path.exists(os.path.join(state, "port")):
            return 0
        time.sleep(0.05)
    print("the update server did not start", file=sys.stderr)
    return 1


if __name__ == "__main__":
    command, state = sys.argv[1], sys.argv[2]
    if command == "start":
        sys.exit(start(state))
    if command == "stop":
        stop(state)
        sys.exit(0)
    if command == "serve":
        serve(state)
