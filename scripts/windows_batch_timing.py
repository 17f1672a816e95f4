#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Times courtfee.exe --batch under Wine against the native courtfee, on the same cases saved as
UTF-8, GBK and UTF-16, the runs alternating; prints the median wall time of each and checks that
every answer is the native one, byte for byte. Needs both builds and the zh_CN.UTF-8 locale.

  python3 scripts/windows_batch_timing.py [LINES] [RUNS]
"""
import os
import random
import statistics
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
WINE = "/usr/lib/wine/wine64"
TYPES = ["1、财产案件", "2、破产案件", "1、离婚案件", "2、知识产权案件", "1、执行案件",
         "1、申请诉讼保全措施案件", "1、支付令、公示催告案件"]


def main():
    lines = int(sys.argv[1]) if len(sys.argv) > 1 else 200000
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 9
    rng = random.Random(7)
    text = "".join(f"{rng.choice(TYPES)}\t{rng.randrange(50000000)}.{rng.randrange(100):02d}\r\n"
                   for _ in range(lines))
    env = dict(os.environ, WINEPREFIX=os.path.join(ROOT, "build-windows", "wine"),
               WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=", LC_ALL="zh_CN.UTF-8")
    env.pop("DISPLAY", None)
    exe = [WINE, os.path.join(ROOT, "build-windows", "bin", "courtfee.exe"), "--batch"]
    commands = {
        "native courtfee, UTF-8": ([os.path.join(ROOT, "build", "bin", "courtfee"), "--batch"],
                                   text.encode()),
        "courtfee.exe, UTF-8": (exe, text.encode()),
        "courtfee.exe, GBK": (exe, text.encode("gbk")),
        "courtfee.exe, UTF-16": (exe, b"\xff\xfe" + text.encode("utf-16-le")),
    }
    # An idle prompt keeps Wine's session up, so that each run does not start it anew; the runs
    # begin once it has answered (a program started while the session comes up can hang).
    keep = subprocess.Popen([WINE, "cmd.exe"], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                            env=env)
    keep.stdin.write(b"echo session-ready\r\n")
    keep.stdin.flush()
    answered = b""
    while b"session-ready\r\n" not in answered.replace(b"echo session-ready", b""):
        answered += os.read(keep.stdout.fileno(), 4096)
    times = {name: [] for name in commands}
    answers = {}
    for _ in range(runs):
        for name, (command, data) in commands.items():
            start = time.monotonic()
            answers[name] = subprocess.run(command, input=data, capture_output=True,
                                           env=env).stdout
            times[name].append(time.monotonic() - start)
    keep.stdin.close()
    keep.wait()
    native = statistics.median(times["native courtfee, UTF-8"])
    for name, spent in times.items():
        same = answers[name] == answers["native courtfee, UTF-8"]
        print(f"{name}: {lines} lines, median {statistics.median(spent):.3f} s "
              f"({statistics.median(spent) / native:.2f}x native){'' if same else ', DIFFERENT'}")


if __name__ == "__main__":
    main()
