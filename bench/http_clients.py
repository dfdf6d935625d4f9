#!/usr/bin/env python3
"""Line systems polling a station: CLIENTS threads, each on a kept-alive connection, asking the
station, the units, the run and the events in turn until the process PID has ended. Prints the
number of requests answered and the worst answer time in ms.

    http_clients.py URL TOKENFILE PID [CLIENTS]
"""
import http.client
import os
import sys
import threading
import time
import urllib.parse

url, token_file, pid = sys.argv[1], sys.argv[2], int(sys.argv[3])
clients = int(sys.argv[4]) if len(sys.argv) > 4 else 100
parts = urllib.parse.urlsplit(url)
with open(token_file) as file:
    headers = {"Authorization": "Bearer " + file.read().strip()}
paths = ["/api/v1/station", "/api/v1/units", "/api/v1/runs/none", "/api/v1/events?after=999999999"]
answered = [0] * clients
worst = [0.0] * clients
failed = [0] * clients


def running():
    try:
        os.kill(pid, 0)
        return True
    except OSError:
        return False


def poll(index):
    connection = http.client.HTTPConnection(parts.hostname, parts.port, timeout=30)
    turn = index
    while running():
        begun = time.monotonic()
        try:
            connection.request("GET", paths[turn % len(paths)], headers=headers)
            connection.getresponse().read()
        except (OSError, http.client.HTTPException):
            # The station closes its connections as it ends: only a failure while it runs counts.
            time.sleep(0.2)
            if not running():
                break
            failed[index] += 1
            connection.close()
            time.sleep(0.05)
            continue
        worst[index] = max(worst[index], (time.monotonic() - begun) * 1000)
        answered[index] += 1
        turn += 1
    connection.close()


threads = [threading.Thread(target=poll, args=(i,)) for i in range(clients)]
for thread in threads:
    thread.start()
for thread in threads:
    thread.join()
print("requests=%d failed=%d worst_ms=%.1f" % (sum(answered), sum(failed), max(worst)))
