#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""courtfee.exe under Wine, as a Windows user, script and AI assistant meet it.

Every answer is checked against the native courtfee, byte for byte: the fees, the exit codes and
the texts on both streams. Each case runs on a Windows whose code page is 936 (a Chinese Windows,
Wine's zh_CN locale) and on one with code page 1252 (C.UTF-8), so that arguments and console text
are shown to travel as Unicode and not in the code page.

  courtfee_exe_test.py --exe build-windows/bin/courtfee.exe --native build/bin/courtfee \
      [--wine /usr/lib/wine/wine64] [unittest options]

WINEPREFIX, WINEDEBUG and WINEDLLOVERRIDES come from the environment (CTest sets them).
"""
import argparse
import json
import os
import pty
import random
import re
import select
import subprocess
import sys
import tempfile
import termios
import time
import unittest

OPTIONS = None
CHINESE_WINDOWS = "zh_CN.UTF-8"  # Wine's code page 936
WESTERN_WINDOWS = "C.UTF-8"  # Wine's code page 1252


def windows_env(locale):
    env = dict(os.environ, LC_ALL=locale, LANG=locale)
    env.pop("DISPLAY", None)  # a console program needs no window, nor Wine a desktop
    return env


KEEP_ALIVE = None


def setUpModule():
    # Wine starts its services for the first program of a session and stops them after the
    # last: a session kept open by an idle command prompt makes each run take milliseconds
    # instead of seconds.
    # Programs started while the session is still coming up can wait for ever, so the tests
    # begin once the prompt has answered.
    global KEEP_ALIVE
    KEEP_ALIVE = subprocess.Popen([OPTIONS.wine, "cmd.exe"], stdin=subprocess.PIPE,
                                  stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                  env=windows_env(WESTERN_WINDOWS))
    KEEP_ALIVE.stdin.write(b"echo session-ready\r\n")
    KEEP_ALIVE.stdin.flush()
    answered, deadline = b"", time.monotonic() + 120
    while b"session-ready\r\n" not in answered.replace(b"echo session-ready", b""):
        ready, _, _ = select.select([KEEP_ALIVE.stdout], [], [], 1)
        if ready:
            answered += os.read(KEEP_ALIVE.stdout.fileno(), 4096)
        if time.monotonic() > deadline or KEEP_ALIVE.poll() is not None:
            raise RuntimeError(f"Wine's session did not start: {answered!r}")


def tearDownModule():
    KEEP_ALIVE.stdin.close()
    try:
        KEEP_ALIVE.wait(timeout=30)
    except subprocess.TimeoutExpired:
        KEEP_ALIVE.kill()


def run_exe(args, stdin=b"", locale=CHINESE_WINDOWS):
    return subprocess.run([OPTIONS.wine, OPTIONS.exe, *args], input=stdin, capture_output=True,
                          env=windows_env(locale), timeout=60)


def run_native(args, stdin=b""):
    return subprocess.run([OPTIONS.native, *args], input=stdin, capture_output=True, timeout=120)


class ConsoleSession:
    """courtfee.exe in a console: Wine makes a terminal the program's console, so the program
    writes and reads it through the console API as on Windows."""

    def __init__(self, args, locale=CHINESE_WINDOWS):
        self.master, slave = pty.openpty()
        # Ctrl+Z is the Windows console's end of input, not the terminal's suspend key.
        attrs = termios.tcgetattr(slave)
        attrs[3] &= ~termios.ISIG
        termios.tcsetattr(slave, termios.TCSANOW, attrs)
        self.process = subprocess.Popen([OPTIONS.wine, OPTIONS.exe, *args], stdin=slave,
                                        stdout=slave, stderr=slave, env=windows_env(locale))
        os.close(slave)
        self.shown = b""

    def read_for(self, seconds):
        end = time.monotonic() + seconds
        while time.monotonic() < end and self.process.poll() is None:
            ready, _, _ = select.select([self.master], [], [], 0.05)
            if ready:
                try:
                    self.shown += os.read(self.master, 65536)
                except OSError:
                    break

    def type(self, text):
        os.write(self.master, text.encode())

    def finish(self, timeout=60):
        end = time.monotonic() + timeout
        while self.process.poll() is None and time.monotonic() < end:
            self.read_for(0.2)
        self.read_for(0.3)
        if self.process.poll() is None:
            self.process.kill()
        os.close(self.master)
        return self.process.wait()

    def text(self):
        """What a person sees: the terminal's control sequences and carriage returns removed."""
        plain = re.sub(r"\x1b\[[0-9;?]*[A-Za-z]", "", self.shown.decode("utf-8", "replace"))
        return plain.replace("\r", "")


# The worked examples of the fee rules, one or two for each rule, with the fee they must give.
WORKED_EXAMPLES = [
    (["1、财产案件", "10000"], "50.00"),
    (["1、财产案件", "10001"], "50.03"),
    (["1、财产案件", "1000000"], "13800.00"),
    (["1、支付令、公示催告案件", "10000"], "16.67"),
    (["2、破产案件", "10000"], "25.00"),
    (["2、破产案件", "1e9"], "300000.00"),
    (["1、离婚案件", "300000"], "800.00"),
    (["2、知识产权案件"], "1000.00"),
    (["3、侵害姓名权、名称权、肖像权、名誉权、荣誉权的案件", "100000"], "1000.00"),
    (["1、申请诉讼保全措施案件", "1000"], "30.00"),
    (["1、申请诉讼保全措施案件", "1050"], "30.5"),
    (["1、申请诉讼保全措施案件", "2000000"], "5000.00"),
    (["1、执行案件", "５０００００"], "7400.00"),
    (["1、财产案件", "１２３４５.６７"], "108.64"),
    (["4、商标、专利、海事行政案件", "0"], "100.00"),
]

# Refusals, failures and usage errors: the same message and exit code as on Linux.
TROUBLE = [
    ["1、财产案件", "1万"],
    ["1、财产案件", "1e400"],
    ["9、没有的案件", "100"],
    ["*"],  # not a file pattern: Windows programs do not expand wildcards
    ["--halve", "撤诉", "1、执行案件", "10001"],
    ["--bogus"],
    [],
]

MORE_MODES = [
    ["--capitals", "1、财产案件", "1000000"],
    ["--explain", "1、支付令、公示催告案件", "10001"],
    ["--halve", "调解,简易程序", "1、离婚案件", "200002"],
    ["--amount-for", "2、知识产权案件", "1000"],
    ["--split", "333333.33", "1、财产案件", "1000000"],
    ["--list"],
    ["--help"],
    ["--version"],
]


class Arguments(unittest.TestCase):
    def assert_same_as_native(self, args, locale):
        windows, native = run_exe(args, locale=locale), run_native(args)
        self.assertEqual((windows.returncode, windows.stdout.decode(), windows.stderr.decode()),
                         (native.returncode, native.stdout.decode(), native.stderr.decode()),
                         f"courtfee.exe {' '.join(args)} on {locale}")

    def test_worked_examples(self):
        for locale in (CHINESE_WINDOWS, WESTERN_WINDOWS):
            for args, fee in WORKED_EXAMPLES:
                with self.subTest(args=args, locale=locale):
                    run = run_exe(args, locale=locale)
                    self.assertEqual((run.returncode, run.stdout, run.stderr),
                                     (0, (fee + "\n").encode(), b""))

    def test_failures_and_usage_errors_as_on_linux(self):
        for locale in (CHINESE_WINDOWS, WESTERN_WINDOWS):
            for args in TROUBLE:
                with self.subTest(args=args, locale=locale):
                    self.assert_same_as_native(args, locale)

    def test_every_mode_as_on_linux(self):
        for args in MORE_MODES:
            with self.subTest(args=args):
                self.assert_same_as_native(args, CHINESE_WINDOWS)

    def test_slash_question_mark_shows_the_usage(self):
        for flag in ("/?", "-?"):
            with self.subTest(flag=flag):
                run = run_exe([flag])
                self.assertEqual((run.returncode, run.stdout), (0, run_native(["--help"]).stdout))

    def test_json_answers_as_on_linux(self):
        for args in (["1、财产案件", "1000000"], ["--explain", "1、执行案件"],
                     ["--halve", "反诉", "1、财产案件", "10001"], ["1、财产案件", "abc"]):
            args = ["--json", *args] if args[0] != "--halve" else args[:2] + ["--json"] + args[2:]
            with self.subTest(args=args):
                windows = run_exe(args)
                self.assertEqual(windows.stdout, run_native(args).stdout)
                json.loads(windows.stdout)


def generated_batch(lines=6000, seed=20070401):
    """Every type of the catalogue, with band edges, amounts of every size and refused forms,
    half the lines ending in CR LF as Windows editors write them."""
    rng = random.Random(seed)
    listing = run_native(["--list"]).stdout.decode()
    types = [line.strip().split("\t")[0] for line in listing.splitlines() if "\t" in line]
    edges = [1000, 10000, 50000, 100000, 200000, 500000, 1000000, 2000000, 5000000, 10000000,
             20000000, 599500, 599600, 119800000]
    forms = ["", "0", "-5", " 100 ", "1,000,000", "1.5e6", "1e400", "1e-400", "4.9e-324", ".5",
             "1万", "¥100", "１００００", "－５", "\u22125", "nan", "16.675", "25.005",
             "999999999999999.5", "1e20", "9007199254740993"]
    out = []
    for _ in range(lines):
        roll = rng.random()
        if roll < 0.4:
            amount = str(rng.choice(edges) + rng.randint(-100, 100)) + rng.choice(
                ["", ".005", ".01", ".5", ".995"])
        elif roll < 0.7:
            amount = str(rng.randrange(10 ** rng.randint(1, 13)))
        elif roll < 0.8:
            amount = f"{rng.random() * 10:.{rng.randint(1, 4)}f}e{rng.randint(-10, 30)}"
        else:
            amount = rng.choice(forms)
        kind = rng.choice(types) if rng.random() < 0.97 else "没有的类型"
        out.append(f"{kind}\t{amount}" + ("\r\n" if rng.random() < 0.5 else "\n"))
    return "".join(out).encode()


class Batch(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.cases = generated_batch()

    def test_batch_is_byte_identical_to_native(self):
        for flags in (["--batch"], ["--batch", "--json"]):
            with self.subTest(flags=flags):
                native = run_native(flags, self.cases)
                windows = run_exe(flags, self.cases)
                self.assertEqual(windows.returncode, native.returncode)
                self.assertEqual(windows.stdout, native.stdout)
                self.assertNotIn(b"\r", windows.stdout)

    def test_batch_reads_a_file_given_as_standard_input(self):
        with tempfile.TemporaryFile() as cases:
            cases.write(b"\xef\xbb\xbf1\xe3\x80\x81\xe6\x89\xa7\xe8\xa1\x8c\xe6\xa1\x88\xe4\xbb\xb6"
                        b"\t600000\r\n")
            cases.seek(0)
            run = subprocess.run([OPTIONS.wine, OPTIONS.exe, "--batch"], stdin=cases,
                                 capture_output=True, env=windows_env(CHINESE_WINDOWS), timeout=120)
        self.assertEqual(run.stdout, "1、执行案件\t600000\t8400.00\t\n".encode())


    def test_case_files_as_windows_programs_save_them(self):
        # Excel's "Unicode 文本" (UTF-16 with its mark) and, on a Chinese Windows, its
        # tab-separated text and the old Notepad's "ANSI" (GBK): the same answers as UTF-8.
        text = "1、财产案件\t1000000\r\n2、破产案件\t１２３４５\r\n1、离婚案件\t300000".encode()
        native = run_native(["--batch"], text).stdout
        utf16 = b"\xff\xfe" + text.decode().encode("utf-16-le")
        # copy a.txt+b.txt ends the joined file with a Ctrl+Z byte, right after the last line.
        for name, data in (("utf-16", utf16),
                           ("utf-16 big-endian", b"\xfe\xff" + text.decode().encode("utf-16-be")),
                           ("gbk", text.decode().encode("gbk")),
                           ("joined by copy", text + b"\x1a"),
                           ("utf-16 joined by copy", utf16 + b"\x1a")):
            with self.subTest(encoding=name):
                self.assertEqual(run_exe(["--batch"], data).stdout, native)


class Mcp(unittest.TestCase):
    SESSION = [
        {"jsonrpc": "2.0", "id": 1, "method": "initialize",
         "params": {"protocolVersion": "2025-06-18", "capabilities": {},
                    "clientInfo": {"name": "assistant", "version": "1"}}},
        {"jsonrpc": "2.0", "method": "notifications/initialized"},
        {"jsonrpc": "2.0", "id": 2, "method": "tools/list"},
        {"jsonrpc": "2.0", "id": 3, "method": "tools/call",
         "params": {"name": "court_fee", "arguments": {"type": "1、财产案件", "amount": "1000000"}}},
        {"jsonrpc": "2.0", "id": 4, "method": "tools/call",
         "params": {"name": "court_fee", "arguments": {"type": "1、财产案件", "amount": "1万"}}},
        {"jsonrpc": "2.0", "id": 5, "method": "nope"},
    ]

    def test_scripted_session_as_on_linux(self):
        lines = [json.dumps(message, ensure_ascii=False) for message in self.SESSION]
        lines.insert(3, "{not json")
        script = "\r\n".join(lines).encode() + b"\r\n"
        windows, native = run_exe(["--mcp"], script), run_native(["--mcp"], script)
        self.assertEqual(windows.returncode, 0)
        self.assertEqual(windows.stdout, native.stdout)
        answers = [json.loads(line) for line in windows.stdout.decode().split("\n") if line]
        self.assertEqual([a.get("id") for a in answers], [1, 2, None, 3, 4, 5])
        self.assertEqual(answers[0]["result"]["serverInfo"]["name"], "courtfee")
        self.assertIn("13800.00", answers[3]["result"]["content"][0]["text"])
        self.assertTrue(answers[4]["result"]["isError"])
        self.assertEqual(answers[5]["error"]["code"], -32601)


class Console(unittest.TestCase):
    def test_chinese_shows_in_a_console_whatever_its_code_page(self):
        for locale in (CHINESE_WINDOWS, WESTERN_WINDOWS):
            with self.subTest(locale=locale):
                session = ConsoleSession(["--capitals", "1、财产案件", "1000000"], locale)
                self.assertEqual(session.finish(), 0)
                self.assertIn("13800.00（人民币壹万叁仟捌佰元整）\n", session.text())

    def test_errors_show_in_a_console_after_what_came_before(self):
        session = ConsoleSession(["--bogus"])
        self.assertEqual(session.finish(), 2)
        self.assertIn("未知选项 / unknown option: --bogus\n用法见 courtfee --help", session.text())

    def test_typed_cases_end_with_ctrl_z(self):
        # Ctrl+Z on a line of its own, or after the last case on its line.
        for last_line in ("2、破产案件\t1e9\r\x1a\r", "2、破产案件\t1e9\x1a\r"):
            with self.subTest(last_line=last_line):
                session = ConsoleSession(["--batch"])
                session.read_for(1.0)
                session.type("1、财产案件\t10000\r")
                session.type(last_line)
                self.assertEqual(session.finish(), 0)
                shown = re.sub(r"[ \t]+", " ", session.text())
                self.assertIn("输完后按 Ctrl+Z 再按 Enter 得出收费", shown)
                self.assertIn("1、财产案件 10000 50.00", shown)
                self.assertIn("2、破产案件 1e9 300000.00", shown)

    def test_ctrl_c_is_an_interruption_not_the_end_of_the_cases(self):
        session = ConsoleSession(["--batch"])
        session.read_for(1.0)
        session.type("1、财产案件\t10000\r")
        session.read_for(0.5)
        session.type("\x03")
        # Windows ends the program with STATUS_CONTROL_C_EXIT, of which Wine keeps the low byte.
        self.assertEqual(session.finish(), 0xC000013A & 0xFF)
        self.assertNotIn("50.00", session.text())

    def test_opened_from_explorer_the_usage_stays_until_enter(self):
        session = ConsoleSession([])
        session.read_for(2.0)
        self.assertIsNone(session.process.poll())
        session.type("\r")
        self.assertEqual(session.finish(), 0)
        self.assertIn("用法 / Usage:", session.text())
        self.assertIn("按 Enter 键关闭此窗口", session.text())


class Binary(unittest.TestCase):
    # What every Windows 10 has; anything else would have to be shipped beside the programs.
    SYSTEM_DLLS = {"kernel32.dll", "msvcrt.dll", "user32.dll", "advapi32.dll", "shell32.dll",
                   "ws2_32.dll", "ntdll.dll", "gdi32.dll", "comctl32.dll", "ole32.dll"}

    def test_needs_only_windows_own_dlls(self):
        for exe in [OPTIONS.exe, *OPTIONS.also_exe]:
            with self.subTest(exe=exe):
                dump = subprocess.run([OPTIONS.objdump, "-p", exe], capture_output=True,
                                      text=True, check=True).stdout
                dlls = {name.lower() for name in re.findall(r"DLL Name: (\S+)", dump)}
                self.assertTrue(dlls)
                self.assertLessEqual(dlls, self.SYSTEM_DLLS)


def main():
    global OPTIONS
    parser = argparse.ArgumentParser()
    parser.add_argument("--exe", required=True)
    parser.add_argument("--native", required=True)
    parser.add_argument("--wine", default="/usr/lib/wine/wine64")
    parser.add_argument("--objdump", default="x86_64-w64-mingw32-objdump")
    parser.add_argument("--also-exe", action="append", default=[],
                        help="another program whose imported DLLs are checked (zorvikquillet.exe)")
    OPTIONS, rest = parser.parse_known_args()
    for path in (OPTIONS.exe, OPTIONS.native, OPTIONS.wine):
        if not os.path.exists(path):
            sys.exit(f"not found: {path}")
    if subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout.lower().find(
            "zh_cn.utf8") < 0:
        sys.exit("the zh_CN.UTF-8 locale is missing: localedef -i zh_CN -f UTF-8 zh_CN.UTF-8")
    unittest.main(argv=[sys.argv[0], *rest], verbosity=2)


if __name__ == "__main__":
    main()
