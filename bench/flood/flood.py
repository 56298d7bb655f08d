#!/usr/bin/env python3
"""Floods the real client from a fake IRC server and prints lines per second
and peak memory.

The client runs from a scratch working directory seeded like a first start,
with [Last] Server/Port pointing here, ConnOnStart=1 and no options dialog
at start. The server welcomes it, forces it into a channel, sends the names,
waits for a PONG (so the names are handled), then sends the flood and a
PING: the rate counts the flood lines from the first one sent to the PONG.
Peak memory is VmHWM of the client.
"""

import argparse
import os
import random
import shutil
import socket
import subprocess
import sys
import tempfile
import threading
import time

CHANNEL = "#flood"
REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def names_lines(me, nicks):
    """353 replies of at most ~400 bytes each, then the 366."""
    lines, batch = [], []
    for nick in [me] + nicks:
        batch.append(nick)
        if sum(len(n) + 1 for n in batch) > 400:
            lines.append(f":srv 353 {me} = {CHANNEL} :{' '.join(batch)}")
            batch = []
    if batch:
        lines.append(f":srv 353 {me} = {CHANNEL} :{' '.join(batch)}")
    lines.append(f":srv 366 {me} {CHANNEL} :End of /NAMES list.")
    return lines


def default_scenario(me, count=100_000, members=500, churn=0.05):
    """Channel talk with colours, bold, actions and 5 % joins and parts."""
    rng = random.Random(1)
    present = [f"user{i}" for i in range(members)]
    prefixed = [("@" if i % 50 == 0 else "+" if i % 10 == 0 else "") + n
                for i, n in enumerate(present)]
    words = "lorem ipsum dolor sit amet consectetur adipiscing elit sed do eiusmod".split()
    flood, fresh = [], members
    for i in range(count):
        if rng.random() < churn:
            if i % 2:
                nick = f"user{fresh}"
                fresh += 1
                present.append(nick)
                flood.append(f":{nick}!u@h.example JOIN :{CHANNEL}")
            else:
                nick = present.pop(rng.randrange(len(present)))
                flood.append(f":{nick}!u@h.example PART {CHANNEL} :bye")
            continue
        nick = present[rng.randrange(len(present))]
        text = " ".join(rng.choice(words) for _ in range(rng.randint(4, 14)))
        kind = i % 10
        if kind == 0:
            text = f"\x01ACTION {text}\x01"
        elif kind < 4:
            text = f"\x03{kind + 2:02d}{text}\x03 \x02{nick}\x02 \x1fok\x1f"
        elif kind < 6:
            text = f"\x0304,01{text}\x0f plain"
        flood.append(f":{nick}!u@h.example PRIVMSG {CHANNEL} :{text}")
    return names_lines(me, prefixed), flood


def big_scenario(me, members=20_000):
    """A channel of 20 001 names, then 20 000 joins, then their 20 000 parts."""
    names = [f"member{i}" for i in range(members)]
    joined = [f"guest{i}" for i in range(members)]
    flood = [f":{n}!u@h.example JOIN :{CHANNEL}" for n in joined]
    flood += [f":{n}!u@h.example PART {CHANNEL}" for n in joined]
    return names_lines(me, names), flood


def idle_scenario(me):
    """The channel of the default flood without the flood: the program's own memory."""
    names, _ = default_scenario(me, count=0)
    return names, []


SCENARIOS = {"default": default_scenario, "big": big_scenario, "idle": idle_scenario}


class Client:
    """Line reader over the accepted connection."""

    def __init__(self, conn):
        self.conn, self.buffer = conn, b""

    def line(self, deadline):
        while b"\n" not in self.buffer:
            self.conn.settimeout(max(0.1, deadline - time.monotonic()))
            data = self.conn.recv(65536)
            if not data:
                raise ConnectionError("client closed the connection")
            self.buffer += data
        line, self.buffer = self.buffer.split(b"\n", 1)
        return line.rstrip(b"\r").decode("utf-8", "replace")

    def wait_for(self, prefix, timeout):
        deadline = time.monotonic() + timeout
        while True:
            line = self.line(deadline)
            if line.startswith(prefix):
                return line
            if time.monotonic() > deadline:
                raise TimeoutError(prefix)

    def send(self, lines):
        self.conn.sendall(("\r\n".join(lines) + "\r\n").encode("utf-8"))


def seed(workdir, port, logging):
    subprocess.run([os.path.join(REPO, "scripts", "seed.sh"), workdir], check=True)
    path = os.path.join(workdir, "vuvivaz.ini")
    with open(path, encoding="utf-8", newline="") as f:
        text = f.read()
    text = text.replace("Server=irc.libera.chat", "Server=127.0.0.1")
    text = text.replace("Port=6667", f"Port={port}")
    text = text.replace("ConnOnStart=0", "ConnOnStart=1")
    text = text.replace("Open=1", "Open=0")  # no options dialog at start
    if logging:
        text = text.replace("Channels=0", "Channels=1")
    with open(path, "w", encoding="utf-8", newline="") as f:
        f.write(text)


def peak_rss_mib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) / 1024
    return float("nan")


def run_once(binary, scenario, logging, timeout):
    server = socket.socket()
    server.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    server.bind(("127.0.0.1", 0))
    server.listen(1)
    port = server.getsockname()[1]
    workdir = tempfile.mkdtemp(prefix="vuvivaz-flood-")
    proc = None
    try:
        seed(workdir, port, logging)
        proc = subprocess.Popen([binary], cwd=workdir, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        server.settimeout(30)
        conn, _ = server.accept()
        client = Client(conn)
        me = client.wait_for("NICK ", 30).split()[1].lstrip(":")
        names, flood = SCENARIOS[scenario](me)
        client.send([f":srv 001 {me} :Welcome", f":{me}!u@h.example JOIN :{CHANNEL}"] + names
                    + ["PING :names"])
        client.wait_for("PONG", timeout)
        payload = ("\r\n".join(flood + ["PING :flood"]) + "\r\n").encode("utf-8")
        start = time.monotonic()
        sender = threading.Thread(target=conn.sendall, args=(payload,), daemon=True)
        sender.start()
        client.wait_for("PONG", timeout)
        elapsed = time.monotonic() - start
        rss = peak_rss_mib(proc.pid)
        return (len(flood) / elapsed if flood else 0.0), rss
    finally:
        if proc:
            proc.terminate()
            try:
                proc.wait(10)
            except subprocess.TimeoutExpired:
                proc.kill()
                proc.wait()
        server.close()
        shutil.rmtree(workdir, ignore_errors=True)


def start_display():
    """An Xvfb display unless one is given; returns the process or None."""
    if os.environ.get("DISPLAY"):
        return None
    for number in range(90, 120):
        if not os.path.exists(f"/tmp/.X11-unix/X{number}") and \
           not os.path.exists(f"/tmp/.X{number}-lock"):
            xvfb = subprocess.Popen(["Xvfb", f":{number}", "-screen", "0", "1280x1024x24",
                                     "-nolisten", "tcp"], stderr=subprocess.DEVNULL)
            os.environ["DISPLAY"] = f":{number}"
            time.sleep(1)
            return xvfb
    sys.exit("no free X display number")


def median(values):
    ordered = sorted(values)
    return ordered[len(ordered) // 2]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--binary", default=os.path.join(REPO, "build/release/src/qt/vuvivaz"),
                        help="client binaries to compare, comma separated; runs interleave")
    parser.add_argument("--scenario", action="append", choices=["default", "big", "logged", "idle"])
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--timeout", type=float, default=600)
    args = parser.parse_args()
    scenarios = args.scenario or ["default", "big"]
    binaries = args.binary.split(",")
    xvfb = start_display()
    os.environ.pop("QT_QPA_PLATFORM", None)
    try:
        for scenario in scenarios:
            results = {b: [] for b in binaries}
            for _ in range(args.runs):
                for binary in binaries:
                    results[binary].append(run_once(
                        binary, "default" if scenario == "logged" else scenario,
                        scenario == "logged", args.timeout))
            for binary, runs in results.items():
                rates = [r for r, _ in runs]
                peaks = [p for _, p in runs]
                print(f"{scenario:8} {median(rates):10.0f} lines/s  peak RSS {median(peaks):6.1f} MiB"
                      f"  (runs: {', '.join(f'{r:.0f}' for r in rates)})  {binary}", flush=True)
    finally:
        if xvfb:
            xvfb.terminate()
            xvfb.wait()


if __name__ == "__main__":
    main()
