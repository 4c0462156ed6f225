#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays tests/pages/pages.test.js in every chart page that a running
calculator shows, through its browser engine's debugging port, and prints
what differs. Exits 0 only when every page played some rows and all held.
    usage: play_page_rows.py <port> <rows.js>"""
import json, sys, urllib.request

import websocket  # Debian's python3-websocket


def evaluate(ws_url, expression):
    """Runtime.evaluate over the page's DevTools web socket."""
    ws = websocket.create_connection(ws_url, timeout=30, suppress_origin=True)
    try:
        ws.send(json.dumps({"id": 1, "method": "Runtime.evaluate", "params": {
            "expression": expression, "returnByValue": True}}))
        while True:
            answer = json.loads(ws.recv())
            if answer.get("id") == 1:
                return answer["result"]
    finally:
        ws.close()


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
    where = f"{outcome['page']} page in {outcome['language']}, decimal \"{outcome['decimal']}\""
    problems += [f"{where}: {f}" for f in outcome["failed"]]
    if outcome["played"] == 0:
        problems.append(f"{where}: no rows played")
    print(f"{where}: {outcome['played']} rows played")
print("\n".join(problems), file=sys.stderr)
sys.exit(1 if problems else 0)
