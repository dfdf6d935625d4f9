#!/usr/bin/env python3
"""The station's HTTP interface driven as a line system drives it: a real station process with
--serve 0, real uploader processes and simulated units, all on 127.0.0.1, talked to with
http.client and curl. Everything lives in a scratch folder that goes at the end.

Arguments: STATION UNIT_SIM FIRMWARE (an Intel HEX file to flash).
"""

import hashlib
import http.client
import json
import os
import re
import select
import socket
import sqlite3
import stat
import subprocess
import sys
import tempfile
import threading
import time
import unittest

STATION, UNIT_SIM, FIRMWARE = sys.argv[1:4]
WAIT_S = 60


class UnitSim:
    """A simulated unit as a program; its port comes from its first line."""

    def __init__(self, *arguments):
        self.process = subprocess.Popen([UNIT_SIM, "--port", "0", *arguments],
                                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        line = self.process.stdout.readline()
        self.port = int(re.search(r"127\.0\.0\.1:(\d+)", line).group(1))

    def close(self):
        self.process.kill()
        self.process.wait()
        self.process.stdout.close()


class Station:
    """A station answering on a free port; its URL and token file come from its first line."""

    def __init__(self, scratch, *arguments, name="station", settings="", env=None):
        self.home = os.path.join(scratch, name)
        os.makedirs(os.path.join(self.home, "run"), mode=0o700)
        os.makedirs(os.path.join(self.home, "config", "FirmwareUploader"))
        with open(os.path.join(self.home, "config", "FirmwareUploader", "Station.ini"), "w") as ini:
            ini.write(settings)
        self.env = dict(os.environ, XDG_RUNTIME_DIR=os.path.join(self.home, "run"),
                        XDG_CONFIG_HOME=os.path.join(self.home, "config"),
                        HOME=self.home, FWU_TIME_SCALE="0.02", FWU_STATION_POLL_MS="3000",
                        FWU_HISTORY="sqlite://" + os.path.join(self.home, "history.sqlite"))
        for key, value in (env or {}).items():
            if value is None:
                self.env.pop(key, None)
            else:
                self.env[key] = value
        self.process = subprocess.Popen([STATION, "--serve", "0", *arguments], env=self.env,
                                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)

    def wait_until_serving(self):
        """A station that never says it serves fails the test instead of holding it up."""
        ready, _, _ = select.select([self.process.stdout], [], [], WAIT_S / 4)
        line = self.process.stdout.readline() if ready else ""
        match = re.search(r"http://127\.0\.0\.1:(\d+)/api/v1/ \(token in (.*)\)$", line.strip())
        assert match, "the station did not say where it serves: " + line
        self.port = int(match.group(1))
        self.token_path = match.group(2)
        with open(self.token_path) as file:
            self.token = file.read().strip()

    def request(self, method, path, body=None, content_type="application/json", token=None,
                timeout=WAIT_S, headers_out=None):
        """(status, parsed JSON body) of one request on a connection of its own; the answer's
        headers go into headers_out when it is given."""
        headers = {"Authorization": "Bearer " + (self.token if token is None else token)}
        if token == "":
            headers = {}
        if body is not None:
            headers["Content-Type"] = content_type
            if not isinstance(body, (bytes, str)):
                body = json.dumps(body)
        connection = http.client.HTTPConnection("127.0.0.1", self.port, timeout=timeout)
        try:
            connection.request(method, "/api/v1" + path, body=body, headers=headers)
            response = connection.getresponse()
            if headers_out is not None:
                headers_out.update(response.getheaders())
            return response.status, json.loads(response.read() or b"null")
        finally:
            connection.close()

    def get(self, path):
        status, body = self.request("GET", path)
        assert status == 200, (path, status, body)
        return body

    def events_until_run_ended(self, run_id, after=0):
        """Every event up to the end of the run, read by long polling as a line system does."""
        seen = []
        deadline = time.monotonic() + WAIT_S
        while time.monotonic() < deadline:
            feed = self.get("/events?after=%d" % after)
            for event in feed["events"]:
                assert event["seq"] > after
                after = event["seq"]
                seen.append(event)
                if event["type"] == "run_ended" and event["run_id"] == run_id:
                    return seen
            assert feed["next"] == after
        raise AssertionError("the run did not end: %s" % seen)

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
        try:
            self.process.wait(WAIT_S / 4)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        self.process.stdout.close()


def sha256_of(path):
    with open(path, "rb") as file:
        return hashlib.sha256(file.read()).hexdigest()


class StationHttpTest(unittest.TestCase):
    def setUp(self):
        self.scratch = tempfile.TemporaryDirectory(prefix="tst_stationhttp-")
        self.sims = []
        self.stations = []

    def tearDown(self):
        for process in self.stations + self.sims:
            process.close()
        self.scratch.cleanup()
        # Every station ended in order on SIGTERM (a sanitizer's finding at exit would not).
        self.assertEqual([s.process.returncode for s in self.stations],
                         [128 + 15] * len(self.stations))

    def station(self, *arguments, name="station", settings="", env=None):
        self.stations.append(Station(self.scratch.name, *arguments, name=name, settings=settings,
                                     env=env))
        self.stations[-1].wait_until_serving()
        return self.stations[-1]

    def units(self, station, *kinds):
        """Lists one simulated unit per argument list, named unit1, unit2, ..."""
        listed = []
        for number, arguments in enumerate(kinds, start=1):
            self.sims.append(UnitSim(*arguments))
            listed.append({"name": "unit%d" % number, "address": "127.0.0.1",
                           "port": self.sims[-1].port})
        status, body = station.request("PUT", "/units", listed)
        self.assertEqual(status, 200, body)
        return listed

    def load_firmware(self, station):
        status, body = station.request("PUT", "/firmware",
                                       {"path": FIRMWARE, "sha256": sha256_of(FIRMWARE)})
        self.assertEqual(status, 200, body)

    def test_whole_run_matches_the_history_and_the_report(self):
        reports = os.path.join(self.scratch.name, "reports")
        station = self.station("--report-dir", reports)
        self.units(station, [], [], [], ["--profile", "Meridian 8"])
        self.load_firmware(station)
        firmware = station.get("/station")["firmware"]
        self.assertEqual(firmware["sha256"], sha256_of(FIRMWARE))
        self.assertGreater(firmware["records"], 0)
        last = station.get("/events?after=0")["next"]

        status, started = station.request("POST", "/runs",
                                          {"units": "all", "expect_sha256": firmware["sha256"]})
        self.assertEqual(status, 202, started)
        run_id = started["run_id"]
        events = station.events_until_run_ended(run_id, after=last)
        final = {e["unit"]: e["outcome"] for e in events if e["type"] == "unit_state"
                 and e["outcome"] is not None}
        self.assertEqual(final, {"unit1": "finished", "unit2": "finished", "unit3": "finished",
                                 "unit4": "refused"})

        run = station.get("/runs/" + run_id)
        self.assertEqual(run["state"], "ended")
        self.assertTrue(run["ended"].endswith("Z"))
        by_name = {unit["name"]: unit for unit in run["units"]}
        self.assertEqual(by_name["unit1"]["records_sent"], firmware["records"])
        self.assertNotEqual(by_name["unit4"]["reason"], "")
        history = sqlite3.connect(os.path.join(station.home, "history.sqlite"))
        try:
            rows = history.execute("SELECT unit_name, outcome, records_sent FROM attempts "
                                   "WHERE run_id = ?", (run_id,)).fetchall()
        finally:
            history.close()
        self.assertEqual(sorted(rows), sorted((name, unit["outcome"], unit["records_sent"])
                                              for name, unit in by_name.items()))
        self.assertEqual(station.get("/station")["shift"]["total"], 4)
        [report] = [name for name in os.listdir(reports) if name.endswith(".json")]
        with open(os.path.join(reports, report)) as file:
            self.assertEqual(sorted(u["outcome"] for u in json.load(file)["units"]),
                             sorted(u["outcome"] for u in by_name.values()))
        # A reader of an earlier station on this port learns the last number at once.
        self.assertEqual(station.get("/events?after=999999")["next"], events[-1]["seq"])

    def test_serial_values_for_a_run(self):
        plain = self.station(name="plain")
        self.units(plain, [])
        self.load_firmware(plain)
        status, refused = plain.request("POST", "/runs", {"units": "all",
                                                          "serials": {"unit1": "0777"}})
        self.assertEqual((status, refused["error"]), (422, "no_serials"))

        station = self.station("--serial-at", "0x0010:4", "--serial-format", "ascii",
                               "--serial-from", "counter:1")
        self.units(station, [], [])
        self.load_firmware(station)
        status, refused = station.request("POST", "/runs", {"units": ["unit1"],
                                                            "serials": {"unit2": "0777"}})
        self.assertEqual((status, refused["error"]), (422, "unknown_unit"))
        status, started = station.request("POST", "/runs", {"units": "all",
                                                            "serials": {"unit1": "0777"}})
        self.assertEqual(status, 202, started)
        station.events_until_run_ended(started["run_id"])
        run = station.get("/runs/" + started["run_id"])
        self.assertEqual([(u["serial_written"], u["serial_state"]) for u in run["units"]],
                         [("0777", "used"), ("0001", "used")])

    def test_event_stream(self):
        station = self.station()
        self.units(station, [])
        connection = http.client.HTTPConnection("127.0.0.1", station.port, timeout=WAIT_S)
        try:
            connection.request("GET", "/api/v1/events?after=0",
                               headers={"Authorization": "Bearer " + station.token,
                                        "Accept": "text/event-stream"})
            response = connection.getresponse()
            self.assertEqual((response.status, response.getheader("Content-Type")),
                             (200, "text/event-stream"))

            def next_event():
                fields = {}
                while True:
                    line = response.fp.readline().decode().rstrip("\n")
                    if line == "" and "data" in fields:
                        return fields
                    if line and not line.startswith(":"):
                        key, _, value = line.partition(": ")
                        fields[key] = value

            first = next_event()
            self.assertEqual((first["id"], first["event"]), ("1", "units_changed"))
            self.assertEqual(json.loads(first["data"])["seq"], 1)
            # Live: a change made now arrives on the open stream.
            self.units(station, [], [])
            second = next_event()
            self.assertEqual((second["id"], second["event"]), ("2", "units_changed"))
        finally:
            connection.close()

    def test_a_huge_body_is_cut_off(self):
        """Qt's server keeps a whole request in memory: the station stops reading past its bound."""
        station = self.station()

        def peak_kib():
            with open("/proc/%d/status" % station.process.pid) as file:
                return int(re.search(r"VmHWM:\s+(\d+)", file.read()).group(1))

        before = peak_kib()
        connection = http.client.HTTPConnection("127.0.0.1", station.port, timeout=WAIT_S)
        try:
            connection.request("PUT", "/api/v1/units", body=b"[" * (64 << 20),
                               headers={"Content-Type": "application/json"})
            status = connection.getresponse().status
        except OSError:
            status = None  # cut off while still sending
        finally:
            connection.close()
        self.assertIn(status, (413, None))
        self.assertEqual(station.request("GET", "/station")[0], 200)
        # Without the bound the 64 MiB stay in memory, twice over.
        self.assertLess(peak_kib() - before, 24 << 10)

    def test_busy_and_stop(self):
        station = self.station()
        self.units(station, ["--fault", "silent@3"], ["--fault", "silent@3"])
        self.load_firmware(station)
        status, started = station.request("POST", "/runs", {"units": ["unit1", "unit2"]})
        self.assertEqual(status, 202, started)
        run_id = started["run_id"]

        status, busy = station.request("POST", "/runs", {"units": "all"})
        self.assertEqual((status, busy["error"]), (409, "busy"))
        self.assertEqual(sorted(busy["busy"]), ["unit1", "unit2"])
        self.assertEqual(station.request("PUT", "/units", [])[0], 409)
        self.assertEqual(station.request("PUT", "/firmware", {"path": FIRMWARE})[0], 409)

        status, stopping = station.request("POST", "/runs/%s/stop" % run_id, {"units": ["unit1"]})
        self.assertEqual((status, stopping["stopping"]), (202, ["unit1"]))
        status, _ = station.request("POST", "/runs/%s/stop" % run_id)
        self.assertEqual(status, 202)
        station.events_until_run_ended(run_id)
        run = station.get("/runs/" + run_id)
        self.assertEqual([(u["state"], u["outcome"]) for u in run["units"]],
                         [("stopped", "interrupted")] * 2)
        self.assertEqual(station.request("POST", "/runs/%s/stop" % run_id)[0], 409)

    def test_refusals_change_nothing(self):
        # A station speaking German still answers its clients in English: reasons are data.
        station = self.station(env={"LANGUAGE": "de"})
        self.units(station, [])
        before = station.get("/units")
        bad_hex = os.path.join(self.scratch.name, "bad.hex")
        with open(bad_hex, "w") as file:
            file.write("not a hex file\n")
        cases = [
            ("GET", "/station", None, "application/json", "", 401, "unauthorized"),
            ("GET", "/station", None, "application/json", "0" * 64, 401, "unauthorized"),
            ("PUT", "/units", "[{", "application/json", None, 400, "bad_request"),
            ("PUT", "/units", [{"name": "x", "address": "127.0.0.1", "port": 1, "colour": 1}],
             "application/json", None, 400, "unknown_field"),
            ("POST", "/runs", {"units": "all", "colour": {}}, "application/json", None, 400,
             "unknown_field"),
            ("POST", "/runs", {"units": "all", "serials": {"unit1": 7}}, "application/json", None,
             400, "bad_request"),
            ("GET", "/nothing", None, "application/json", None, 404, "not_found"),
            ("GET", "/runs/no-such-run", None, "application/json", None, 404, "unknown_run"),
            ("DELETE", "/units", None, "application/json", None, 405, "method_not_allowed"),
            ("PUT", "/units", "x" * (1024 * 1024 + 1), "text/csv", None, 413, "too_large"),
            ("PUT", "/firmware", "path", "text/plain", None, 415, "unsupported_media_type"),
            ("PUT", "/firmware", {"path": bad_hex}, "application/json", None, 422, "refused"),
            ("PUT", "/firmware", {"path": FIRMWARE, "sha256": "0" * 64}, "application/json", None,
             422, "sha256_mismatch"),
            ("POST", "/runs", {"units": ["nobody"]}, "application/json", None, 422, "no_firmware"),
        ]
        for method, path, body, content_type, token, status, word in cases:
            with self.subTest(method=method, path=path, status=status):
                got, answer = station.request(method, path, body, content_type, token)
                self.assertEqual((got, answer["error"]), (status, word), answer)
                self.assertTrue(answer["reason"])
        for path, body, english in (("/firmware", {"path": bad_hex}, "is not valid Intel HEX"),
                                    ("/units", "[{", "The body is not JSON")):
            self.assertIn(english, station.request("PUT", path, body)[1]["reason"])
        self.load_firmware(station)
        status, answer = station.request("POST", "/runs", {"units": ["nobody"]})
        self.assertEqual((status, answer["error"]), (422, "unknown_unit"))
        # Bytes that are no HTTP at all, and a client that hangs up mid-request.
        for garbage in (b"\x00\xff GARBAGE\r\n\r\n", b"PUT /api/v1/units HTTP/1.1\r\nContent-Len"):
            with socket.create_connection(("127.0.0.1", station.port)) as raw:
                raw.sendall(garbage)
        self.assertEqual(station.get("/units"), before)
        self.assertIsNone(station.get("/station")["run_id"])

    def test_token_file_is_private_and_goes_at_exit(self):
        station = self.station()
        folder = os.path.dirname(station.token_path)
        self.assertEqual(station.token_path,
                         os.path.join(station.env["XDG_RUNTIME_DIR"], "FirmwareUploader",
                                      "station-%d.token" % station.port))
        self.assertEqual(stat.S_IMODE(os.stat(folder).st_mode), 0o700)
        self.assertEqual(stat.S_IMODE(os.stat(station.token_path).st_mode), 0o600)
        self.assertRegex(station.token, r"^[0-9a-f]{64}$")
        chosen = os.path.join(self.scratch.name, "chosen.token")
        # Offscreen, the operator is not asked for even when the settings say so.
        other = self.station("--serve-token-file", chosen, name="other",
                             settings="[Station]\nAskOperator=true\n")
        self.assertEqual(other.token_path, chosen)
        self.assertEqual(stat.S_IMODE(os.stat(chosen).st_mode), 0o600)
        # Each station has its own token.
        self.assertEqual(other.request("GET", "/station", token=station.token)[0], 401)
        # Without a runtime folder, a private folder of this user's in the temporary folder.
        temporary = os.path.join(self.scratch.name, "tmp")
        os.mkdir(temporary)
        fallback = self.station(name="fallback", env={"XDG_RUNTIME_DIR": None, "TMPDIR": temporary})
        folder = os.path.join(temporary, "FirmwareUploader-%d" % os.getuid())
        self.assertEqual(fallback.token_path, os.path.join(
            folder, "FirmwareUploader", "station-%d.token" % fallback.port))
        self.assertEqual(stat.S_IMODE(os.stat(folder).st_mode), 0o700)
        for each in (station, other, fallback):
            each.close()
            self.assertEqual(each.process.returncode, 128 + 15)
            self.assertFalse(os.path.exists(each.token_path))

    def test_answers_many_clients_during_a_run(self):
        station = self.station()
        self.units(station, *[["--delay", "1"]] * 12)
        self.load_firmware(station)
        status, started = station.request("POST", "/runs", {"units": "all"})
        self.assertEqual(status, 202, started)
        paths = ["/station", "/units", "/runs/" + started["run_id"], "/events?after=0"]
        answers = []

        def ask(path):
            answers.append(station.request("GET", path, timeout=20)[0])

        begun = time.monotonic()
        threads = [threading.Thread(target=ask, args=(paths[i % 4],)) for i in range(100)]
        for thread in threads:
            thread.start()
        for thread in threads:
            thread.join()
        self.assertEqual(answers, [200] * 100)
        self.assertLess(time.monotonic() - begun, 15)
        self.assertEqual(station.get("/station")["busy"], True)
        station.request("POST", "/runs/%s/stop" % started["run_id"])
        station.events_until_run_ended(started["run_id"])

    def test_openapi_lists_exactly_the_routes_that_answer(self):
        station = self.station()
        curl = subprocess.run(["curl", "-sf", "-H", "Authorization: Bearer " + station.token,
                               "http://127.0.0.1:%d/api/v1/openapi.json" % station.port],
                              capture_output=True, check=True)
        document = json.loads(curl.stdout)
        self.assertTrue(document["openapi"].startswith("3."))
        # Each answer as OpenAPI 3 writes one: a text, and its body's schema under a media type.
        for path, operations in document["paths"].items():
            for method, operation in operations.items():
                for code, answer in operation.get("responses", {}).items():
                    with self.subTest(path=path, method=method, code=code):
                        if "$ref" not in answer:
                            self.assertIsInstance(answer["description"], str)
                            for media in answer.get("content", {}).values():
                                self.assertIn("schema", media)
        methods = {"get", "put", "post", "delete", "patch"}
        for path, operations in document["paths"].items():
            concrete = path.replace("{run_id}", "no-such-run")
            for method in methods:
                status, answer = station.request(method.upper(), concrete)
                with self.subTest(path=path, method=method):
                    if method in operations:
                        self.assertNotIn((status, answer and answer.get("error")),
                                         [(404, "not_found"), (405, "method_not_allowed")])
                    else:
                        headers = {}
                        status, _ = station.request(method.upper(), concrete, headers_out=headers)
                        self.assertEqual(status, 405)
                        self.assertEqual(sorted(headers["Allow"].split(", ")),
                                         sorted(m.upper() for m in operations if m in methods))
        for path in ["/", "/station/x", "/runs", "/runs/a/b", "/events/1"]:
            if path not in document["paths"]:
                with self.subTest(path=path):
                    self.assertEqual(station.request("GET", path)[0],
                                     405 if path == "/runs" else 404)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
