#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays tests/pages/pages.test.js in every chart page that a running
calculator shows, through its browser engine's debugging port, and prints
what differs. Exits 0 only when every page played some rows and all held.
    usage: play_page_rows.py <port> <rows.js>"""
import base64, json, os, socket, struct, sys, urllib.request


def evaluate(ws_url, expression):
    """Runtime.evaluate over the page's DevTools web socket (RFC 6455)."""
    address, path = ws_url[len("ws://"):].split("/", 1)
    host, port = address.rsplit(":", 1)
    sock = socket.create_connection((host, int(port)), timeout=30)
    key = base64.b64encode(os.urandom(16)).decode()
    sock.sendall((f"GET /{path} HTTP/1.1\r\nHost: {address}\r\nUpgrade: websocket\r\n"
                  f"Connection: Upgrade\r\nSec-WebSocket-Key: {key}\r\n"
                  "Sec-WebSocket-Version: 13\r\n\r\n").encode())
    stream = sock.makefile("rb")
    while stream.readline() not in (b"\r\n", b""):
        pass
    message = json.dumps({"id": 1, "method": "Runtime.evaluate", "params": {
        "expression": expression, "returnByValue": True}}).encode()
    length = len(message)
    size = bytes([0x80 | length]) if length < 126 else bytes([0x80 | 127]) + struct.pack(">Q", length)
    mask = os.urandom(4)  # a client masks what it sends
    sock.sendall(b"\x81" + size + mask + bytes(b ^ mask[i % 4] for i, b in enumerate(message)))
    while True:
        head, length = stream.read(2)
        length &= 0x7F
        if length >= 126:
            length = int.from_bytes(stream.read(2 if length == 126 else 8), "big")
        data = stream.read(length)
        if head & 0x0F == 1 and json.loads(data).get("id") == 1:
            return json.loads(data)["result"]


port, rows = sys.argv[1], open(sys.argv[2], encoding="utf-8").read()
listing = json.load(urllib.request.urlopen(f"http://127.0.0.1:{port}/json/list", timeout=5))
pages = [p for p in listing if p["url"].endswith(("/gold.html", "/silver.html"))]
problems = [] if len(pages) == 2 else [f"{len(pages)} chart pages shown"]
for page in pages:
    result = evaluate(page["webSocketDebuggerUrl"], rows)
    outcome = result.get("result", {}).get("value")
    if not outcome:
        problems.append(f"{page['url']}: {result}")
        continue
    where = f"{outcome['page']} page in {outcome['language']}"
    problems += [f"{where}: {f}" for f in outcome["failed"]]
    if outcome["played"] == 0:
        problems.append(f"{where}: no rows played")
    print(f"{where}: {outcome['played']} rows played")
print("\n".join(problems), file=sys.stderr)
sys.exit(1 if problems else 0)
