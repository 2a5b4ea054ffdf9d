#!/usr/bin/python3
"""Test network: network namespaces joined by a bridge, for broadcast and multicast tests.

Usage (as root, run with /usr/bin/python3):
  testnet.py up [--agents N] [--owner PID] [--name NAME]   build, print the layout as JSON
  testnet.py down --name NAME                              stop what runs inside, remove it
  testnet.py sweep                                         remove networks of dead owners

A network NAME is the namespaces NAME-hub (holding the bridge br0), NAME-c (the client)
and NAME-a1 ... NAME-aN (the agent hosts). Each host has lo and eth0, a veth whose other
end is a port of br0; nothing of it touches the machine's own namespace. The client has
a default route over eth0 so that 255.255.255.255 can be sent. Addresses:
  client   198.18.0.1/24   fd00:18::1/64
  agent i  198.18.0.(10+i) fd00:18::(10+i, in hexadecimal)/64, and a link-local fe80:: address
(198.18.0.0/15 is the range set aside for test networks). IPv6 duplicate address detection
is off, so every address is usable at once. Names carry the owner's process id (default
NAME is dvk<PID>-<random>); "up" first sweeps the networks whose owner no longer runs, so a
test that died still has its network removed by the next one.
"""

import argparse
import fcntl
import json
import os
import re
import signal
import subprocess
import sys
import time

NETNS_DIR = "/run/netns"
LOCK_FILE = "/tmp/dvk-testnet.lock"
NAME_PATTERN = re.compile(r"^(dvk(\d+)-[0-9a-z]+)-(hub|c|a\d+)$")


def ip(*args, check=True):
    return subprocess.run(["ip"] + list(args), check=check, capture_output=True, text=True)


def in_netns(netns, *command):
    subprocess.run(["ip", "netns", "exec", netns] + list(command), check=True,
                   capture_output=True)


def host_layout(name, agents):
    client = {"netns": name + "-c", "ipv4": "198.18.0.1", "ipv6": "fd00:18::1",
              "interface": "eth0"}
    hosts = [{"netns": "%s-a%d" % (name, i), "ipv4": "198.18.0.%d" % (10 + i),
              "ipv6": "fd00:18::%x" % (10 + i), "interface": "eth0"}
             for i in range(1, agents + 1)]
    return {"name": name, "hub": name + "-hub", "client": client, "agents": hosts}


def add_host(hub, host, port_name):
    netns = host["netns"]
    ip("netns", "add", netns)
    # Before eth0 exists, so that its link-local address skips detection too.
    in_netns(netns, "sh", "-c", "echo 0 > /proc/sys/net/ipv6/conf/all/accept_dad; "
             "echo 0 > /proc/sys/net/ipv6/conf/default/accept_dad")
    ip("-n", hub, "link", "add", port_name, "type", "veth", "peer", "name", "eth0",
       "netns", netns)
    ip("-n", hub, "link", "set", port_name, "master", "br0", "up")
    ip("-n", netns, "link", "set", "lo", "up")
    ip("-n", netns, "addr", "add", host["ipv4"] + "/24", "dev", "eth0")
    ip("-n", netns, "addr", "add", host["ipv6"] + "/64", "dev", "eth0", "nodad")
    ip("-n", netns, "link", "set", "eth0", "up")


def link_local(netns):
    out = ip("-n", netns, "-6", "-o", "addr", "show", "dev", "eth0", "scope", "link").stdout
    match = re.search(r"inet6 (fe80::[0-9a-f:]+)/", out)
    return match.group(1) if match else None


def up(name, agents):
    layout = host_layout(name, agents)
    hub = layout["hub"]
    try:
        ip("netns", "add", hub)
        ip("-n", hub, "link", "set", "lo", "up")
        ip("-n", hub, "link", "add", "br0", "type", "bridge")
        ip("-n", hub, "link", "set", "br0", "up")
        add_host(hub, layout["client"], "p-c")
        for i, host in enumerate(layout["agents"], start=1):
            add_host(hub, host, "p-a%d" % i)
        ip("-n", layout["client"]["netns"], "route", "add", "default", "dev", "eth0")
        for host in [layout["client"]] + layout["agents"]:
            host["link_local"] = link_local(host["netns"])
    except (subprocess.CalledProcessError, OSError):
        down(name)
        raise
    return layout


def namespaces_of(name):
    try:
        entries = os.listdir(NETNS_DIR)
    except FileNotFoundError:
        return []
    return sorted(e for e in entries if (m := NAME_PATTERN.match(e)) and m.group(1) == name)


def stop_processes(netns, seconds=1.0):
    """Ends the processes running in a namespace of the test network, by their ids."""
    pids = [int(p) for p in ip("netns", "pids", netns, check=False).stdout.split()]
    for pid in pids:
        try:
            os.kill(pid, signal.SIGTERM)
        except ProcessLookupError:
            pass
    deadline = time.monotonic() + seconds
    while pids and time.monotonic() < deadline:
        pids = [p for p in pids if os.path.exists("/proc/%d" % p) and not is_zombie(p)]
        time.sleep(0.02)
    for pid in pids:
        try:
            os.kill(pid, signal.SIGKILL)
        except ProcessLookupError:
            pass


def is_zombie(pid):
    try:
        with open("/proc/%d/stat" % pid, encoding="ascii") as stream:
            return stream.read().rsplit(")", 1)[1].split()[0] == "Z"
    except (OSError, IndexError):
        return True


def down(name):
    spaces = namespaces_of(name)
    for netns in spaces:
        stop_processes(netns)
    for netns in spaces:
        ip("netns", "del", netns, check=False)
    return len(spaces)


def owner_alive(pid):
    return os.path.exists("/proc/%d" % pid) and not is_zombie(pid)


def sweep():
    try:
        entries = os.listdir(NETNS_DIR)
    except FileNotFoundError:
        return 0
    stale = {m.group(1) for e in entries
             if (m := NAME_PATTERN.match(e)) and not owner_alive(int(m.group(2)))}
    for name in stale:
        down(name)
    return len(stale)


def exclusive():
    """Builds and sweeps of all test runs take turns, so that no sweep removes
    a network another run is still building."""
    lock = open(LOCK_FILE, "a")
    fcntl.flock(lock, fcntl.LOCK_EX)
    return lock


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("command", choices=["up", "down", "sweep"])
    parser.add_argument("--agents", type=int, default=3)
    parser.add_argument("--owner", type=int, default=os.getppid())
    parser.add_argument("--name")
    args = parser.parse_args(argv)
    if args.command == "sweep":
        with exclusive():
            print(sweep())
        return 0
    if args.command == "down":
        if not args.name:
            parser.error("down needs --name")
        with exclusive():
            down(args.name)
        return 0
    if not 1 <= args.agents <= 200:
        parser.error("--agents is 1 to 200")
    name = args.name or "dvk%d-%s" % (args.owner, os.urandom(3).hex())
    if not NAME_PATTERN.match(name + "-hub"):
        parser.error("a name is dvk<owner pid>-<letters and digits>")
    with exclusive():
        sweep()
        try:
            print(json.dumps(up(name, args.agents), indent=1))
        except subprocess.CalledProcessError as error:
            print("testnet: %s: %s" % (" ".join(error.cmd), error.stderr.strip()), file=sys.stderr)
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
