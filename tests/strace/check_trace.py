#!/usr/bin/env python3
"""Reads strace output (one file per process) and fails on anything the quiz
must not do: write to a file, or reach any socket but the allowed ones.

  check_trace.py --allow-socket PATH... --allow-socket-dir DIR... TRACE...

A write is a successful call that creates, changes or removes a file, or
opens one for writing; only the devices under /dev may be written. A socket
must be a local (AF_UNIX) one, and only the allowed sockets may be reached.
"""
import argparse
import re
import sys

CALL = re.compile(r"^(?:\d+\s+)?(?P<name>\w+)\((?P<args>.*)\)\s+=\s+(?P<result>-?\d+|\?)")
QUOTED = re.compile(r'"((?:[^"\\]|\\.)*)"')
CHANGES_A_FILE = {
    "creat", "mkdir", "mkdirat", "rename", "renameat", "renameat2", "unlink", "unlinkat",
    "rmdir", "link", "linkat", "symlink", "symlinkat", "mknod", "mknodat", "truncate",
    "chmod", "fchmodat", "chown", "lchown", "fchownat", "utime", "utimes", "utimensat",
    "futimesat", "setxattr", "lsetxattr", "removexattr", "lremovexattr",
}
OPENS = {"open", "openat", "openat2"}
WRITE_INTENT = re.compile(r"\bO_(WRONLY|RDWR|CREAT|TRUNC|APPEND)\b")
SERVES = {"bind", "listen", "accept", "accept4"}
SOCKET_ADDRESS = re.compile(r'sun_path=@?"((?:[^"\\]|\\.)*)"')


def writes_a_file(name, args, result):
    if result.startswith("-") or result == "?":
        return False
    if name in OPENS and not WRITE_INTENT.search(args):
        return False
    if name not in OPENS and name not in CHANGES_A_FILE:
        return False
    return any(not path.startswith("/dev/") for path in QUOTED.findall(args))


def socket_allowed(args, sockets, socket_dirs):
    if "sa_family=AF_UNIX" not in args:
        return False
    match = SOCKET_ADDRESS.search(args)
    if not match:
        return False
    path = match.group(1)
    return path in sockets or any(path.startswith(d.rstrip("/") + "/") for d in socket_dirs)


def problem(name, args, result, options):
    if writes_a_file(name, args, result):
        return "writes a file"
    if name in ("socket", "socketpair") and not args.startswith("AF_UNIX"):
        return "opens a network socket"
    if name in ("connect", "sendto", "sendmsg") and "sa_family=" in args and not socket_allowed(
            args, options.allow_socket, options.allow_socket_dir):
        return "reaches a socket it has no business with"
    if name in SERVES:
        return "offers a socket to others"
    return None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--allow-socket", action="append", default=[])
    parser.add_argument("--allow-socket-dir", action="append", default=[])
    parser.add_argument("traces", nargs="+")
    options = parser.parse_args()
    found, calls = [], 0
    for trace in options.traces:
        with open(trace, encoding="utf-8", errors="replace") as lines:
            for number, line in enumerate(lines, 1):
                call = CALL.match(line)
                if not call:
                    continue
                calls += 1
                why = problem(call["name"], call["args"], call["result"], options)
                if why:
                    found.append(f"{trace}:{number}: {why}: {line.strip()}")
    print(f"check_trace: {calls} calls read from {len(options.traces)} trace file(s)")
    for line in found:
        print(line)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
