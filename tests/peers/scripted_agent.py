#!/usr/bin/python3
"""Scripted SNMPv1/v2c agent for tests: answers as a script says and reports what it received.

Usage (run with /usr/bin/python3):
  scripted_agent.py --bind ADDRESS [--port 161] [--script FILE_OR_JSON] [--report FILE]

It binds UDP ADDRESS:PORT (IPv4 or IPv6; "0.0.0.0" or "::" for every address, which
broadcast and multicast need), prints "ready ADDRESS PORT" on standard output, and serves
until SIGTERM or SIGINT. The report (JSON) is rewritten after every datagram, on SIGUSR1 and
at the end.

Script (JSON object, every key optional):
  community   accepted community; other requests are recorded and ignored (null: any)
  objects     [[OID, TYPE, VALUE], ...] served for get, get-next, get-bulk and set; TYPE is
              integer, uinteger, counter, timeticks, octet_str, object_id, ipaddress, null;
              an octet_str value "hex:0040" gives bytes. Default: sysObjectID.0 of the
              supported printer and sysName.0 "scripted-agent"
  writable    true lets set requests change existing objects (default true)
  rules       tried in order for every decoded request; the first that matches decides:
    match     {"request": N or [N, ...]  (1 for the first request received),
               "pdu": "get" | "getnext" | "set" | "getbulk", "min_varbinds": N,
               "oid_prefix": OID of the first binding, "from": sender address}
    times     the rule is used up after this many requests
    action    silent | answer | late | wrong_id | too_big | error | junk | oversized |
              other_address
    send      a list of datagrams instead of the action, each an object of the keys below
    and any of these keys, which apply to the datagrams of the action:
      delay_ms      wait before sending (the agent keeps receiving meanwhile)
      request_id    an integer, or "+N" / "-N" relative to the request's
      error_status, error_index
      varbinds      [[OID, TYPE, VALUE], ...] answered in place of the computed bindings
      from          "ADDRESS" or "ADDRESS:PORT" (IPv6 "[ADDRESS]:PORT"): send from a socket
                    bound there (default port: the agent's)
      pad_to        pad the answer with an extra octet string to exactly this many bytes
      junk          hexadecimal bytes sent instead of an answer; junk_size N: N random bytes
      repeat        send the datagram this many times
  default     the action for requests no rule matched (default "answer")

Actions: late = answer after delay_ms (default 500); wrong_id = answer with request_id
(default "+1"); too_big = error-status tooBig (1), index 0, the request's bindings;
error = error_status/error_index as given; junk = 16 bytes that are not BER unless junk or
junk_size say otherwise; oversized = an answer padded to pad_to bytes (default 2049);
other_address = an answer sent from "from".
"""

import argparse
import heapq
import ipaddress
import json
import os
import select
import signal
import socket
import sys
import time

from pyasn1.codec.ber import decoder, encoder
from pyasn1.error import PyAsn1Error
from pysnmp.proto import api

SUPPORTED_OID = "1.3.6.1.4.1.119.1.40.297.93.1.38.8.6"
DEFAULT_OBJECTS = [["1.3.6.1.2.1.1.2.0", "object_id", SUPPORTED_OID],
                   ["1.3.6.1.2.1.1.5.0", "octet_str", "scripted-agent"]]
PADDING_OID = "1.3.6.1.4.1.253.8.999.0"
PDU_NAMES = {"GetRequestPDU": "get", "GetNextRequestPDU": "getnext", "SetRequestPDU": "set",
             "GetBulkRequestPDU": "getbulk", "GetResponsePDU": "response",
             "ResponsePDU": "response"}
NO_SUCH_NAME, NOT_WRITABLE, GEN_ERR = 2, 17, 5


def oid_tuple(text):
    return tuple(int(p) for p in str(text).strip(".").split(".") if p != "")


def oid_text(oid):
    return ".".join(str(p) for p in oid)


def octets(value):
    text = str(value)
    if text.startswith("hex:"):
        return bytes.fromhex(text[4:].replace(" ", ""))
    return text.encode("utf-8")


def make_value(module, kind, value):
    v2 = module is api.protoModules[api.protoVersion2c]
    makers = {
        "integer": lambda: module.Integer(int(value)),
        "uinteger": lambda: (module.Gauge32 if v2 else module.Gauge)(int(value)),
        "counter": lambda: (module.Counter32 if v2 else module.Counter)(int(value)),
        "timeticks": lambda: module.TimeTicks(int(value)),
        "octet_str": lambda: module.OctetString(octets(value)),
        "object_id": lambda: module.ObjectIdentifier(oid_tuple(value)),
        "ipaddress": lambda: module.IpAddress(socket.inet_aton(str(value))),
        "null": lambda: module.Null(""),
    }
    if kind not in makers:
        raise ValueError("unknown type %r" % kind)
    return makers[kind]()


def describe_value(value):
    """(type name, JSON-friendly value) of a received value."""
    name = value.__class__.__name__
    if name == "OctetString" or name == "Opaque":
        raw = value.asOctets()
        try:
            return "octet_str", raw.decode("utf-8")
        except UnicodeDecodeError:
            return "octet_str", "hex:" + raw.hex()
    if name == "ObjectIdentifier":
        return "object_id", oid_text(value)
    if name == "Null":
        return "null", None
    if name == "IpAddress":
        return "ipaddress", socket.inet_ntoa(value.asOctets())
    try:
        return name.lower(), int(value)
    except (TypeError, ValueError, PyAsn1Error):
        return name.lower(), value.prettyPrint()


STORED_KINDS = {"integer32": "integer", "gauge": "uinteger", "gauge32": "uinteger",
                "unsigned32": "uinteger", "counter32": "counter"}


def stored_form(value):
    """(TYPE, VALUE) of a set value, in the form the objects list uses."""
    kind, shown = describe_value(value)
    return STORED_KINDS.get(kind, kind), shown


class Request:
    def __init__(self, data):
        self.version = int(api.decodeMessageVersion(data))
        if self.version not in api.protoModules:
            raise ValueError("unsupported version %d" % self.version)
        self.module = api.protoModules[self.version]
        self.message, _ = decoder.decode(data, asn1Spec=self.module.Message())
        self.pdu = self.module.apiMessage.getPDU(self.message)
        self.community = bytes(self.module.apiMessage.getCommunity(self.message).asOctets())
        self.kind = PDU_NAMES.get(self.pdu.__class__.__name__, self.pdu.__class__.__name__)
        self.request_id = int(self.module.apiPDU.getRequestID(self.pdu))
        self.varbinds = [(tuple(oid), value)
                         for oid, value in self.module.apiPDU.getVarBinds(self.pdu)]


class Store:
    """The agent's objects in OID order."""

    def __init__(self, objects):
        self.values = {oid_tuple(oid): (kind, value) for oid, kind, value in objects}

    def next_after(self, oid):
        later = [o for o in self.values if o > oid]
        return min(later) if later else None

    def value(self, module, oid):
        kind, value = self.values[oid]
        return make_value(module, kind, value)


def answer_bindings(request, store, writable):
    """(error-status, error-index, bindings) of a plain answer; a set changes the store."""
    m, v2 = request.module, request.version == api.protoVersion2c
    result, status, index = [], 0, 0

    def fail(code, position):
        nonlocal status, index
        if status == 0:
            status, index = code, position

    if request.kind == "getbulk":
        return bulk_bindings(request, store)
    for position, (oid, value) in enumerate(request.varbinds, start=1):
        if request.kind == "get":
            if oid in store.values:
                result.append((oid, store.value(m, oid)))
            elif v2:
                result.append((oid, m.NoSuchObject("")))
            else:
                fail(NO_SUCH_NAME, position)
                result.append((oid, value))
        elif request.kind == "getnext":
            following = store.next_after(oid)
            if following is not None:
                result.append((following, store.value(m, following)))
            elif v2:
                result.append((oid, m.EndOfMibView("")))
            else:
                fail(NO_SUCH_NAME, position)
                result.append((oid, value))
        elif request.kind == "set":
            if oid in store.values and writable:
                store.values[oid] = stored_form(value)
                result.append((oid, value))
            else:
                fail(NOT_WRITABLE if v2 else NO_SUCH_NAME, position)
                result.append((oid, value))
        else:
            fail(GEN_ERR, position)
            result.append((oid, value))
    if status and not v2:
        result = list(request.varbinds)
    return status, index, result


def bulk_bindings(request, store):
    m = request.module
    non_repeaters = int(m.apiBulkPDU.getNonRepeaters(request.pdu))
    repetitions = int(m.apiBulkPDU.getMaxRepetitions(request.pdu))
    result = []
    for oid, _ in request.varbinds[:non_repeaters]:
        following = store.next_after(oid)
        result.append((following, store.value(m, following)) if following is not None
                      else (oid, m.EndOfMibView("")))
    cursors = [oid for oid, _ in request.varbinds[non_repeaters:]]
    for _ in range(max(0, repetitions)):
        if not cursors:
            break
        ended = 0
        for i, oid in enumerate(cursors):
            following = store.next_after(oid)
            if following is None:
                result.append((oid, m.EndOfMibView("")))
                ended += 1
            else:
                result.append((following, store.value(m, following)))
                cursors[i] = following
        if ended == len(cursors):
            break
    return 0, 0, result


def build_answer(request, status, index, bindings, request_id):
    m = request.module
    response = m.apiMessage.getResponse(request.message)
    pdu = m.apiMessage.getPDU(response)
    m.apiPDU.setRequestID(pdu, request_id)
    m.apiPDU.setErrorStatus(pdu, status)
    m.apiPDU.setErrorIndex(pdu, index)
    m.apiPDU.setVarBinds(pdu, bindings)
    return encoder.encode(response)


def padded_answer(request, status, index, bindings, request_id, size):
    """An answer of exactly `size` bytes, reached with an extra octet string binding."""
    base = len(build_answer(request, status, index, bindings, request_id))
    pad_oid = oid_tuple(PADDING_OID)
    guess = max(0, size - base - 20)
    for fill in range(max(0, guess - 16), guess + 32):
        extra = (pad_oid, request.module.OctetString(b"P" * fill))
        data = build_answer(request, status, index, bindings + [extra], request_id)
        if len(data) == size:
            return data
    raise ValueError("cannot pad an answer to %d bytes" % size)


def split_address(text, default_port):
    if text.startswith("["):
        host, _, rest = text[1:].partition("]")
        return host, int(rest[1:]) if rest.startswith(":") else default_port
    if text.count(":") == 1:
        host, port = text.split(":")
        return host, int(port)
    return text, default_port


def open_socket(host, port):
    family = socket.AF_INET6 if ipaddress.ip_address(host).version == 6 else socket.AF_INET
    sock = socket.socket(family, socket.SOCK_DGRAM)
    sock.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    if family == socket.AF_INET6:
        sock.setsockopt(socket.IPPROTO_IPV6, socket.IPV6_V6ONLY, 1)
    sock.bind((host, port))
    return sock


ACTIONS = {
    "silent": lambda rule: [],
    "answer": lambda rule: [{}],
    "late": lambda rule: [{"delay_ms": rule.get("delay_ms", 500)}],
    "wrong_id": lambda rule: [{"request_id": rule.get("request_id", "+1")}],
    "too_big": lambda rule: [{"error_status": 1, "error_index": 0}],
    "error": lambda rule: [{}],
    "junk": lambda rule: [{"junk": rule.get("junk"), "junk_size": rule.get("junk_size", 16)}],
    "oversized": lambda rule: [{"pad_to": rule.get("pad_to", 2049)}],
    "other_address": lambda rule: [{}],
}
EMISSION_KEYS = ("delay_ms", "request_id", "error_status", "error_index", "varbinds", "from",
                 "pad_to", "junk", "junk_size", "repeat")


def emissions_of(rule):
    if "send" in rule:
        return [dict(e) for e in rule["send"]]
    action = rule.get("action", "answer")
    if action not in ACTIONS:
        raise ValueError("unknown action %r" % action)
    shared = {k: rule[k] for k in EMISSION_KEYS if k in rule}
    return [dict(shared, **e) for e in ACTIONS[action](rule)]


class Agent:
    def __init__(self, script, bind, port, report_path):
        self.script = script
        self.store = Store(script.get("objects", DEFAULT_OBJECTS))
        self.writable = script.get("writable", True)
        community = script.get("community")
        self.community = community.encode() if isinstance(community, str) else None
        self.rules = [dict(rule, used=0) for rule in script.get("rules", [])]
        self.default = {"action": script.get("default", "answer")}
        self.port = port
        self.main = open_socket(bind, port)
        self.port = self.main.getsockname()[1]
        self.sockets = {(bind, self.port): self.main}
        for rule in self.rules:
            for emission in emissions_of(rule):
                if "from" in emission:
                    self.socket_for(emission["from"])
        self.report_path = report_path
        self.report = {"bind": bind, "port": self.port, "received": [], "sent": []}
        self.started = time.monotonic()
        self.stopping = False
        self.wakeup_read, self.wakeup_write = os.pipe()
        os.set_blocking(self.wakeup_write, False)
        self.queue = []
        self.sequence = 0
        self.requests = 0

    def socket_for(self, text):
        key = split_address(text, self.port)
        if key not in self.sockets:
            self.sockets[key] = open_socket(*key)
        return self.sockets[key]

    def now_ms(self):
        return int((time.monotonic() - self.started) * 1000)

    def write_report(self):
        if not self.report_path:
            return
        temporary = self.report_path + ".tmp"
        with open(temporary, "w", encoding="utf-8") as stream:
            json.dump(self.report, stream, indent=1)
        os.replace(temporary, self.report_path)

    def matches(self, rule, request, sender):
        if rule.get("times") is not None and rule["used"] >= rule["times"]:
            return False
        match = rule.get("match", {})
        wanted = match.get("request")
        if wanted is not None and self.requests not in (wanted if isinstance(wanted, list)
                                                        else [wanted]):
            return False
        if "pdu" in match and match["pdu"] != request.kind:
            return False
        if "min_varbinds" in match and len(request.varbinds) < match["min_varbinds"]:
            return False
        if "oid_prefix" in match:
            prefix = oid_tuple(match["oid_prefix"])
            if not request.varbinds or request.varbinds[0][0][:len(prefix)] != prefix:
                return False
        if "from" in match and match["from"] != sender[0]:
            return False
        return True

    def choose(self, request, sender):
        for rule in self.rules:
            if self.matches(rule, request, sender):
                rule["used"] += 1
                return rule
        return self.default

    def receive(self, sock):
        data, sender = sock.recvfrom(65535)
        entry = {"t_ms": self.now_ms(), "from": sender[0], "port": sender[1],
                 "on": sock.getsockname()[0], "length": len(data)}
        self.report["received"].append(entry)
        try:
            request = Request(data)
        except (PyAsn1Error, ValueError, TypeError) as error:
            entry.update(decoded=False, hex=data.hex(), error=str(error))
            return
        entry.update(decoded=True, version=request.version,
                     community=request.community.decode("latin-1"), pdu=request.kind,
                     request_id=request.request_id,
                     varbinds=[[oid_text(o)] + list(describe_value(v))
                               for o, v in request.varbinds])
        if self.community is not None and request.community != self.community:
            entry["ignored"] = "community"
            return
        self.requests += 1
        rule = self.choose(request, sender)
        entry["rule"] = self.rules.index(rule) if rule in self.rules else "default"
        for emission in emissions_of(rule):
            self.schedule(request, sender, emission, len(self.report["received"]) - 1)

    def datagram(self, request, emission):
        if emission.get("junk") is not None or "junk_size" in emission:
            if emission.get("junk"):
                return bytes.fromhex(emission["junk"]), "junk"
            # 0xFF first: never the start of a BER SEQUENCE.
            size = int(emission.get("junk_size", 16))
            return bytes([0xFF]) + os.urandom(max(0, size - 1)), "junk"
        if "error_status" in emission:
            # A scripted error answer leaves the objects as they are.
            status, index, bindings = 0, 0, list(request.varbinds)
        else:
            status, index, bindings = answer_bindings(request, self.store, self.writable)
        if "varbinds" in emission:
            bindings = [(oid_tuple(o), make_value(request.module, k, v))
                        for o, k, v in emission["varbinds"]]
        if "error_status" in emission:
            status = int(emission["error_status"])
            index = int(emission.get("error_index", 0))
            if status == 1:
                bindings = list(request.varbinds)
        request_id = emission.get("request_id", request.request_id)
        if isinstance(request_id, str):
            request_id = (request.request_id + int(request_id)) & 0x7FFFFFFF
        if "pad_to" in emission:
            data = padded_answer(request, status, index, bindings, request_id,
                                 int(emission["pad_to"]))
        else:
            data = build_answer(request, status, index, bindings, request_id)
        return data, {"request_id": request_id, "error_status": status,
                      "error_index": index}

    def schedule(self, request, sender, emission, received_index):
        data, what = self.datagram(request, emission)
        sock = self.socket_for(emission["from"]) if "from" in emission else None
        due = time.monotonic() + emission.get("delay_ms", 0) / 1000.0
        for _ in range(int(emission.get("repeat", 1))):
            self.sequence += 1
            record = {"answer_to": received_index, "length": len(data),
                      "kind": "junk" if what == "junk" else "answer"}
            if what != "junk":
                record.update(what)
            heapq.heappush(self.queue, (due, self.sequence, sock, data, sender, record))

    def send_due(self):
        while self.queue and self.queue[0][0] <= time.monotonic():
            _, _, sock, data, destination, record = heapq.heappop(self.queue)
            sock = sock or self.main
            if sock.family != (socket.AF_INET6 if ":" in destination[0] else socket.AF_INET):
                record["error"] = "address family"
            else:
                try:
                    sock.sendto(data, destination)
                except OSError as error:
                    record["error"] = str(error)
            record.update(t_ms=self.now_ms(), to=destination[0], port=destination[1],
                          source=sock.getsockname()[0], source_port=sock.getsockname()[1])
            self.report["sent"].append(record)
            self.write_report()

    def serve(self):
        self.write_report()
        print("ready %s %d" % (self.main.getsockname()[0], self.port), flush=True)
        while not self.stopping:
            wait = None
            if self.queue:
                wait = max(0.0, self.queue[0][0] - time.monotonic())
            readable, _, _ = select.select(list(self.sockets.values()) + [self.wakeup_read],
                                           [], [], wait)
            for sock in readable:
                if sock is self.wakeup_read:
                    os.read(self.wakeup_read, 64)
                    self.write_report()
                    continue
                self.receive(sock)
                self.write_report()
            self.send_due()


def load_script(text):
    if text is None:
        return {}
    if text.lstrip().startswith("{"):
        return json.loads(text)
    with open(text, encoding="utf-8") as stream:
        return json.load(stream)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--bind", required=True)
    parser.add_argument("--port", type=int, default=161)
    parser.add_argument("--script")
    parser.add_argument("--report")
    args = parser.parse_args(argv)
    agent = Agent(load_script(args.script), args.bind, args.port, args.report)

    def finish(signum, frame):
        # Ends the loop between datagrams, so that no answer is half recorded.
        agent.stopping = True

    signal.set_wakeup_fd(agent.wakeup_write)
    signal.signal(signal.SIGTERM, finish)
    signal.signal(signal.SIGINT, finish)
    signal.signal(signal.SIGUSR1, lambda signum, frame: None)  # wakes the loop, which writes
    try:
        agent.serve()
    finally:
        agent.write_report()


if __name__ == "__main__":
    main(sys.argv[1:])
