#!/usr/bin/python3
"""Simulated printer: a printer description turned into Net-SNMP snmpd configuration.

Usage (run with /usr/bin/python3):
  simagent.py objects DESC                     list the objects the printer serves
  simagent.py conf DESC [--address A] [--port P] [--dir D]
                                               print the snmpd configuration
  simagent.py prepare DESC --dir D [--address A] [--port P] [--probe --community C]
                                               write D/snmpd.conf and print the snmpd
                                               command, one argument per line; with
                                               --probe, community C may read sysUpTime
  simagent.py wait [--address A] [--port P] [--community C] [--seconds S]
                                               poll until an agent answers a get of
                                               sysUpTime.0 with community C
  simagent.py start DESC --dir D [--address A] [--port P] [--netns NS]
                                               start snmpd in the background, wait until it
                                               answers, print its process id
  simagent.py stop --dir D                     stop the agent started in D by its process id
  simagent.py run DESC [--address A] [--port P] [--netns NS]
                                               run in the foreground until interrupted

DESC is a YAML or JSON file (a name without a folder is looked up in printers/, with or
without ".yaml"). --address is an IPv4 or IPv6 address (default 127.0.0.1) or "any" to
listen on every address of the network namespace, which broadcast and multicast need.

A description holds these sections, all optional (see printers/quillmark-5150.yaml):
  base          another description this one starts from; mappings merge key by key,
                lists and plain values replace, a null value drops the key
  agent         communities {read, write}, engineID, users [{name, auth (MD5|SHA),
                authPass, priv (DES|AES), privPass, access (ro|rw)}]
  system        sysDescr, sysObjectID, sysContact, sysName, sysLocation
  hrMemorySize  KB
  hrStorage, hrDevice, prtGeneral, prtLocalization, prtInput, prtOutput, prtMediaPath,
  prtMarkerSupplies, prtAlert
                table rows; the keys are the MIB column names without the table prefix
                (prtInputMediaDimFeedDirChosen -> mediaDimFeedDirChosen). Printer MIB rows
                are indexed by hrDeviceIndex (key "device", default printerDevice or 1) and
                "index"; hrDevice rows may carry printerStatus and printerDetectedErrorState
                for hrPrinterTable
  private       the printer family's objects under 1.3.6.1.4.1.253.8 (see PRIVATE below)
  objects       extra objects: [OID, TYPE, VALUE] or {oid, type, value, writable}
  remove        OID prefixes whose objects are dropped at the end

Values: octet strings are texts, "hex:0040" for bytes, DateAndTime columns also accept
"YYYY-MM-DD HH:MM:SS". TYPE is one of integer, uinteger (Gauge32), counter, octet_str,
object_id. Only the objects listed are served: snmpd runs with the override, access and
user modules and the system group, so nothing of the host's own MIB data shows.
"""

import argparse
import copy
import ipaddress
import json
import os
import signal
import socket
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
PRINTERS = os.path.join(HERE, "printers")
SNMPD = "/usr/sbin/snmpd"
MODULES = "override,vacm_conf,usmConf,system_mib"
FAMILY = "1.3.6.1.4.1.253.8"
PROBE_OID = "1.3.6.1.2.1.1.3"  # sysUpTime, served by the system group module

I, U, C, S, O = "integer", "uinteger", "counter", "octet_str", "object_id"

# table name -> (entry OID, Printer MIB table indexed by hrDeviceIndex, {column: (sub-id, type)})
TABLES = {
    "hrStorage": ("1.3.6.1.2.1.25.2.3.1", False, {
        "index": (1, I), "type": (2, O), "descr": (3, S), "allocationUnits": (4, I),
        "size": (5, I), "used": (6, I), "allocationFailures": (7, C)}),
    "hrDevice": ("1.3.6.1.2.1.25.3.2.1", False, {
        "index": (1, I), "type": (2, O), "descr": (3, S), "id": (4, O), "status": (5, I),
        "errors": (6, C)}),
    "prtGeneral": ("1.3.6.1.2.1.43.5.1.1", False, {
        "configChanges": (1, C), "currentLocalization": (2, I), "reset": (3, I),
        "currentOperator": (4, S), "servicePerson": (5, S), "inputDefaultIndex": (6, I),
        "outputDefaultIndex": (7, I), "markerDefaultIndex": (8, I),
        "mediaPathDefaultIndex": (9, I), "consoleLocalization": (10, I),
        "consoleNumberOfDisplayLines": (11, I), "consoleNumberOfDisplayChars": (12, I),
        "consoleDisable": (13, I), "printerName": (16, S), "serialNumber": (17, S)}),
    "prtLocalization": ("1.3.6.1.2.1.43.7.1.1", True, {
        "language": (2, S), "country": (3, S), "characterSet": (4, I)}),
    "prtInput": ("1.3.6.1.2.1.43.8.2.1", True, {
        "type": (2, I), "dimUnit": (3, I), "mediaDimFeedDirDeclared": (4, I),
        "mediaDimXFeedDirDeclared": (5, I), "mediaDimFeedDirChosen": (6, I),
        "mediaDimXFeedDirChosen": (7, I), "capacityUnit": (8, I), "maxCapacity": (9, I),
        "currentLevel": (10, I), "status": (11, I), "mediaName": (12, S), "name": (13, S),
        "vendorName": (14, S), "model": (15, S), "version": (16, S), "serialNumber": (17, S),
        "description": (18, S), "security": (19, I), "mediaWeight": (20, I),
        "mediaType": (21, S), "mediaColor": (22, S), "mediaFormParts": (23, I)}),
    "prtOutput": ("1.3.6.1.2.1.43.9.2.1", True, {
        "type": (2, I), "capacityUnit": (3, I), "maxCapacity": (4, I),
        "remainingCapacity": (5, I), "status": (6, I), "name": (7, S), "vendorName": (8, S),
        "model": (9, S), "version": (10, S), "serialNumber": (11, S), "description": (12, S),
        "security": (13, I), "dimUnit": (14, I), "maxDimFeedDir": (15, I),
        "maxDimXFeedDir": (16, I), "minDimFeedDir": (17, I), "minDimXFeedDir": (18, I),
        "stackingOrder": (19, I), "pageDeliveryOrientation": (20, I), "bursting": (21, I),
        "decollating": (22, I), "pageCollated": (23, I), "offsetStacking": (24, I)}),
    "prtMediaPath": ("1.3.6.1.2.1.43.13.4.1", True, {
        "maxSpeedPrintUnit": (2, I), "mediaSizeUnit": (3, I), "maxSpeed": (4, I),
        "maxMediaFeedDir": (5, I), "maxMediaXFeedDir": (6, I), "minMediaFeedDir": (7, I),
        "minMediaXFeedDir": (8, I), "type": (9, I), "description": (10, S), "status": (11, I)}),
    "prtMarkerSupplies": ("1.3.6.1.2.1.43.11.1.1", True, {
        "markerIndex": (2, I), "colorantIndex": (3, I), "class": (4, I), "type": (5, I),
        "description": (6, S), "supplyUnit": (7, I), "maxCapacity": (8, I), "level": (9, I)}),
    "prtAlert": ("1.3.6.1.2.1.43.18.1.1", True, {
        "severityLevel": (2, I), "trainingLevel": (3, I), "group": (4, I),
        "groupIndex": (5, I), "location": (6, I), "code": (7, I), "description": (8, S)}),
}

SYSTEM = {"sysDescr": (1, S), "sysObjectID": (2, O), "sysContact": (4, S),
          "sysName": (5, S), "sysLocation": (6, S)}

DEVICE_TYPES = {name: "1.3.6.1.2.1.25.3.1.%d" % n for n, name in [
    (1, "other"), (2, "unknown"), (3, "processor"), (4, "network"), (5, "printer"),
    (6, "diskStorage"), (10, "video"), (11, "audio"), (12, "coprocessor"), (13, "keyboard"),
    (14, "modem"), (15, "parallelPort"), (16, "pointing"), (17, "serialPort"), (18, "tape"),
    (19, "clock"), (20, "volatileMemory"), (21, "nonVolatileMemory")]}
STORAGE_TYPES = {name: "1.3.6.1.2.1.25.2.1.%d" % n for n, name in [
    (1, "other"), (2, "ram"), (3, "virtualMemory"), (4, "fixedDisk"), (5, "removableDisk"),
    (6, "floppyDisk"), (7, "compactDisc"), (8, "ramDisk")]}

# PRIVATE: the family's objects, J = 1.3.6.1.4.1.253.8.59
#   netWareSapUnitName   64.4.2.1.7.10.19159104                      octet string
#   minPasswordLength    53.13.2.1.6.1.1.5                            integer
#   userPromptSetting    53.13.2.1.6.1.1.6                            integer
#   jobLocalization      {index h, current v, characterSet}: 51.3.1.1.1.h = v,
#                        51.4.1.1.7.h.v = characterSet
#   jobTexts             {group: {value: text}}: 51.5.1.1.4.group.value.characterSet
#   jobTableGroup (1), jobIdGroup (5)  first index sub-identifiers of the job tables
#   jobs                 rows; number n, id (8 characters, default n as %08d), then
#     J.6.1.1.c.G.n    : name 3 (text), type 4 (n -> 1.3.6.1.4.1.253.8.58.2.n, or an OID),
#                        state 5, stateReason 6 (integers with texts in group G),
#                        kind 9 (17 marks the second list), pages 10
#     J.10.1.1.c.K.1.id: origin 7 (integer with a text in group K), submitted 10 (DateAndTime)
#     J.16.1.1.c.G.n   : started 4, sheets 5 (Gauge32), copies 6 (Gauge32), completed 7
#     76.3.2.1.1.101.<length>.<id octets>: writable integer, the job-cancel object
JOB_COLUMNS = {
    "name": (6, 3, S), "type": (6, 4, O), "state": (6, 5, I), "stateReason": (6, 6, I),
    "kind": (6, 9, I), "pages": (6, 10, I), "origin": (10, 7, I), "submitted": (10, 10, S),
    "started": (16, 4, S), "sheets": (16, 5, U), "copies": (16, 6, U), "completed": (16, 7, S)}
DATE_COLUMNS = {"submitted", "started", "completed"}
CANCEL_COLUMN = FAMILY + ".76.3.2.1.1.101"


class DescriptionError(Exception):
    pass


def find_description(name):
    candidates = [name]
    if os.sep not in name:
        candidates += [os.path.join(PRINTERS, name), os.path.join(PRINTERS, name + ".yaml")]
    for path in candidates:
        if os.path.isfile(path):
            return os.path.abspath(path)
    raise DescriptionError("no printer description %r" % name)


def read_file(path):
    with open(path, encoding="utf-8") as stream:
        text = stream.read()
    if path.endswith(".json"):
        return json.loads(text)
    import yaml  # python3-yaml
    return yaml.safe_load(text) or {}


def merge(base, over):
    result = copy.deepcopy(base)
    for key, value in over.items():
        if value is None:
            result.pop(key, None)
        elif isinstance(value, dict) and isinstance(result.get(key), dict):
            result[key] = merge(result[key], value)
        else:
            result[key] = copy.deepcopy(value)
    return result


def load(name, seen=()):
    path = find_description(name)
    if path in seen:
        raise DescriptionError("description %s includes itself" % path)
    data = read_file(path)
    if not isinstance(data, dict):
        raise DescriptionError("%s: a description is a mapping" % path)
    base = data.pop("base", None)
    if base is None:
        return data
    if os.sep not in base and not base.startswith("."):
        base_name = base
    else:
        base_name = os.path.join(os.path.dirname(path), base)
    return merge(load(base_name, seen + (path,)), data)


def oid_tuple(oid):
    return tuple(int(part) for part in str(oid).strip(".").split("."))


def octets_of(value):
    """Bytes of an octet-string value given as text, "hex:..." or bytes."""
    if isinstance(value, bytes):
        return value
    text = str(value)
    if text.startswith("hex:"):
        return bytes.fromhex(text[4:].replace(" ", ""))
    return text.encode("utf-8")


def date_and_time(value):
    text = str(value)
    if text.startswith("hex:"):
        return octets_of(text)
    date, _, clock = text.partition(" ")
    year, month, day = (int(x) for x in date.split("-"))
    hour, minute, second = (int(x) for x in (clock or "0:0:0").split(":"))
    return bytes([year >> 8, year & 0xFF, month, day, hour, minute, second, 0])


class Objects:
    """The printer's objects: OID text -> (type, value, writable)."""

    def __init__(self):
        self.items = {}

    def add(self, oid, kind, value, writable=False):
        oid = ".".join(str(part) for part in oid_tuple(oid))
        if kind not in (I, U, C, S, O):
            raise DescriptionError("%s: unknown type %r" % (oid, kind))
        if kind == S:
            value = octets_of(value)
        elif kind == O:
            value = ".".join(str(p) for p in oid_tuple(value))
        else:
            value = int(value)
        self.items[oid] = (kind, value, writable)

    def remove(self, prefix):
        prefix = oid_tuple(prefix)
        for oid in [o for o in self.items if oid_tuple(o)[:len(prefix)] == prefix]:
            del self.items[oid]

    def sorted(self):
        return sorted(self.items.items(), key=lambda item: oid_tuple(item[0]))


def row_index(table, row, position, desc):
    if table in ("hrStorage", "hrDevice", "prtGeneral"):
        key = "device" if table == "prtGeneral" else "index"
        default = desc.get("printerDevice", 1) if table == "prtGeneral" else position
        return (int(row.get(key, default)),)
    return (int(row.get("device", desc.get("printerDevice", 1))), int(row.get("index", position)))


def column_value(table, column, value):
    if table == "hrDevice" and column == "type":
        return DEVICE_TYPES.get(value, value)
    if table == "hrStorage" and column == "type":
        return STORAGE_TYPES.get(value, value)
    return value


def add_tables(objects, desc):
    for table, (entry, _, columns) in TABLES.items():
        rows = desc.get(table) or []
        if isinstance(rows, dict):
            rows = [rows]
        for position, row in enumerate(rows, start=1):
            index = row_index(table, row, position, desc)
            suffix = ".".join(str(i) for i in index)
            if table == "hrDevice" or table == "hrStorage":
                row = dict(row, index=index[0])
            for column, value in row.items():
                if column in ("device", "index") and column not in columns:
                    continue
                if table == "hrDevice" and column.startswith("printer"):
                    continue
                if column not in columns:
                    raise DescriptionError("%s: unknown column %r" % (table, column))
                sub, kind = columns[column]
                objects.add("%s.%d.%s" % (entry, sub, suffix), kind,
                            column_value(table, column, value))
            if table == "hrDevice":
                if "printerStatus" in row:
                    objects.add("1.3.6.1.2.1.25.3.5.1.1.%s" % suffix, I, row["printerStatus"])
                if "printerDetectedErrorState" in row:
                    objects.add("1.3.6.1.2.1.25.3.5.1.2.%s" % suffix, S,
                                row["printerDetectedErrorState"])


def job_index(private, job, table):
    number = int(job["number"])
    if table == 10:
        identifier = octets_of(job.get("id", "%08d" % number))
        return "%d.1.%s" % (int(private.get("jobIdGroup", 5)), ".".join(str(b) for b in identifier))
    return "%d.%d" % (int(private.get("jobTableGroup", 1)), number)


def add_private(objects, private):
    if not private:
        return
    scalars = {"netWareSapUnitName": (FAMILY + ".64.4.2.1.7.10.19159104", S),
               "minPasswordLength": (FAMILY + ".53.13.2.1.6.1.1.5", I),
               "userPromptSetting": (FAMILY + ".53.13.2.1.6.1.1.6", I)}
    for key, (oid, kind) in scalars.items():
        if key in private:
            objects.add(oid, kind, private[key])
    charset = None
    localization = private.get("jobLocalization")
    if localization:
        h, v = int(localization.get("index", 1)), int(localization["current"])
        charset = int(localization["characterSet"])
        objects.add("%s.51.3.1.1.1.%d" % (FAMILY, h), I, v)
        objects.add("%s.51.4.1.1.7.%d.%d" % (FAMILY, h, v), I, charset)
    for group, texts in (private.get("jobTexts") or {}).items():
        for value, text in texts.items():
            if charset is None:
                raise DescriptionError("jobTexts need jobLocalization")
            objects.add("%s.51.5.1.1.4.%d.%d.%d" % (FAMILY, int(group), int(value), charset),
                        S, text)
    for job in private.get("jobs") or []:
        for column, value in job.items():
            if column in ("number", "id", "cancel"):
                continue
            if column not in JOB_COLUMNS:
                raise DescriptionError("jobs: unknown column %r" % column)
            table, sub, kind = JOB_COLUMNS[column]
            if column == "type" and isinstance(value, int):
                value = "%s.58.2.%d" % (FAMILY, value)
            if column in DATE_COLUMNS:
                value = date_and_time(value)
            objects.add("%s.59.%d.1.1.%d.%s" % (FAMILY, table, sub, job_index(private, job, table)),
                        kind, value)
        if job.get("cancel", True):
            identifier = octets_of(job.get("id", "%08d" % int(job["number"])))
            suffix = ".".join(str(b) for b in identifier)
            objects.add("%s.%d.%s" % (CANCEL_COLUMN, len(identifier), suffix), I, 0,
                        writable=True)


def build_objects(desc):
    objects = Objects()
    for key, value in (desc.get("system") or {}).items():
        if key not in SYSTEM:
            raise DescriptionError("system: unknown object %r" % key)
        sub, kind = SYSTEM[key]
        objects.add("1.3.6.1.2.1.1.%d.0" % sub, kind, value)
    if "hrMemorySize" in desc:
        objects.add("1.3.6.1.2.1.25.2.2.0", I, desc["hrMemorySize"])
    add_tables(objects, desc)
    add_private(objects, desc.get("private"))
    for item in desc.get("objects") or []:
        if isinstance(item, dict):
            objects.add(item["oid"], item["type"], item.get("value", ""),
                        bool(item.get("writable")))
        else:
            objects.add(*item)
    for prefix in desc.get("remove") or []:
        objects.remove(prefix)
    return objects


def conf_value(kind, value):
    if kind != S:
        return str(value)
    text = value.decode("latin-1")
    # snmpd reads a text starting with 0x as hexadecimal, also inside quotes.
    plain = (value.isascii() and text.isprintable() and '"' not in text and "\\" not in text
             and not text.lower().startswith("0x"))
    if plain:
        return '"%s"' % text
    return "0x" + value.hex() if value else '""'


def listen_address(address, port):
    if address == "any":
        return "udp:%d,udp6:%d" % (port, port)
    if ipaddress.ip_address(address).version == 6:
        return "udp6:[%s]:%d" % (address, port)
    return "udp:%s:%d" % (address, port)


def render_conf(desc, address="127.0.0.1", port=161, probe_community=None):
    agent = desc.get("agent") or {}
    communities = agent.get("communities", {"read": "public", "write": "private"}) or {}
    engine_id = agent.get("engineID") or "dvk" + os.urandom(6).hex()
    lines = ["# Simulated printer %s" % desc.get("model", ""),
             "agentaddress %s" % listen_address(address, port),
             "engineID %s" % engine_id,
             "dontLogTCPWrappersConnects yes"]
    if communities.get("read"):
        lines += ["rocommunity %s default" % communities["read"],
                  "rocommunity6 %s default" % communities["read"]]
    if communities.get("write"):
        lines += ["rwcommunity %s default" % communities["write"],
                  "rwcommunity6 %s default" % communities["write"]]
    if probe_community:
        # Lets a starter see that the agent answers, whatever the description allows.
        lines += ["rocommunity %s default %s" % (probe_community, PROBE_OID),
                  "rocommunity6 %s default %s" % (probe_community, PROBE_OID)]
    for user in agent.get("users") or []:
        words = ["createUser", user["name"]]
        level = "noauth"
        if user.get("auth"):
            words += [user["auth"], user["authPass"]]
            level = "auth"
            if user.get("priv"):
                words += [user["priv"], user["privPass"]]
                level = "priv"
        lines.append(" ".join(words))
        access = "rwuser" if user.get("access", "ro") == "rw" else "rouser"
        lines.append("%s %s %s" % (access, user["name"], level))
    for oid, (kind, value, writable) in build_objects(desc).sorted():
        lines.append("override %s.%s %s %s" % ("-rw " if writable else "", oid, kind,
                                                conf_value(kind, value)))
    return "\n".join(lines) + "\n"


def snmpd_command(directory):
    conf = os.path.join(directory, "snmpd.conf")
    return ["/usr/bin/env", "MIBS=", "SNMPCONFPATH=" + directory,
            "SNMP_PERSISTENT_DIR=" + os.path.join(directory, "persist"),
            SNMPD, "-f", "-Lf", os.path.join(directory, "snmpd.log"), "-C", "-c", conf,
            "-p", os.path.join(directory, "snmpd.pid"), "-I", MODULES]


def prepare(desc, directory, address, port, probe_community=None):
    os.makedirs(directory, exist_ok=True)
    with open(os.path.join(directory, "snmpd.conf"), "w", encoding="utf-8") as stream:
        stream.write(render_conf(desc, address, port, probe_community))
    return snmpd_command(directory)


def probe_message(community):
    """An SNMPv1 GetRequest for sysUpTime.0 with request-id 1, encoded by hand."""
    oid = b"\x06\x08\x2b\x06\x01\x02\x01\x01\x03\x00"
    varbind = b"\x30" + bytes([len(oid) + 2]) + oid + b"\x05\x00"
    varbinds = b"\x30" + bytes([len(varbind)]) + varbind
    pdu_body = b"\x02\x01\x01\x02\x01\x00\x02\x01\x00" + varbinds
    pdu = b"\xa0" + bytes([len(pdu_body)]) + pdu_body
    name = community.encode()
    body = b"\x02\x01\x00\x04" + bytes([len(name)]) + name + pdu
    return b"\x30" + bytes([len(body)]) + body


def wait_answering(address, port, community, seconds):
    """Polls with a GetRequest until the agent answers (bounded by `seconds`)."""
    host = "127.0.0.1" if address == "any" else address
    family = socket.AF_INET6 if ":" in host else socket.AF_INET
    deadline = time.monotonic() + seconds
    with socket.socket(family, socket.SOCK_DGRAM) as sock:
        sock.settimeout(0.05)
        while time.monotonic() < deadline:
            try:
                sock.sendto(probe_message(community), (host, port))
                sock.recvfrom(4096)
                return True
            except (socket.timeout, ConnectionRefusedError):
                time.sleep(0.02)
    return False


def netns_prefix(netns):
    return ["ip", "netns", "exec", netns] if netns else []


def start(desc, directory, address, port, netns=None, seconds=5.0):
    probe_community = "dvk-probe-" + os.urandom(4).hex()
    command = netns_prefix(netns) + prepare(desc, directory, address, port, probe_community)
    with open(os.path.join(directory, "snmpd.out"), "wb") as log:
        process = subprocess.Popen(command, stdout=log, stderr=subprocess.STDOUT,
                                   stdin=subprocess.DEVNULL, start_new_session=True)
    with open(os.path.join(directory, "agent.pid"), "w", encoding="ascii") as stream:
        stream.write("%d\n" % process.pid)
    probe = [sys.executable, os.path.abspath(__file__), "wait", "--address", address,
             "--port", str(port), "--community", probe_community,
             "--seconds", str(seconds)]
    if subprocess.call(netns_prefix(netns) + probe) != 0 or process.poll() is not None:
        stop(directory)
        raise DescriptionError("snmpd did not answer on %s port %d; see %s" %
                               (address, port, os.path.join(directory, "snmpd.log")))
    return process


def is_our_agent(pid, directory):
    try:
        with open("/proc/%d/cmdline" % pid, "rb") as stream:
            words = stream.read().split(b"\0")
    except OSError:
        return False
    return any(w.endswith(b"snmpd") for w in words) and \
        os.path.join(directory, "snmpd.conf").encode() in words


def stop(directory, seconds=3.0):
    try:
        with open(os.path.join(directory, "agent.pid"), encoding="ascii") as stream:
            pid = int(stream.read())
    except (OSError, ValueError):
        return False
    if not is_our_agent(pid, directory):
        return False
    os.kill(pid, signal.SIGTERM)
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline and is_our_agent(pid, directory):
        try:
            os.waitpid(pid, os.WNOHANG)
        except ChildProcessError:
            pass
        time.sleep(0.02)
    if is_our_agent(pid, directory):
        os.kill(pid, signal.SIGKILL)
    return True


def print_objects(desc):
    for oid, (kind, value, writable) in build_objects(desc).sorted():
        shown = conf_value(kind, value) if kind == S else value
        print("%s %s %s%s" % (oid, kind, shown, " rw" if writable else ""))


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("command", choices=["objects", "conf", "prepare", "start", "stop",
                                            "run", "wait"])
    parser.add_argument("description", nargs="?")
    parser.add_argument("--address", default="127.0.0.1")
    parser.add_argument("--port", type=int, default=161)
    parser.add_argument("--dir")
    parser.add_argument("--netns")
    parser.add_argument("--community", default="public",
                        help="community of the readiness probe (wait, prepare --probe)")
    parser.add_argument("--probe", action="store_true",
                        help="prepare: let --community read sysUpTime for a readiness probe")
    parser.add_argument("--seconds", type=float, default=5.0)
    args = parser.parse_args(argv)
    try:
        if args.command == "wait":
            return 0 if wait_answering(args.address, args.port, args.community,
                                       args.seconds) else 1
        if args.command == "stop":
            return 0 if stop(args.dir) else 1
        if not args.description:
            parser.error("a printer description is needed")
        desc = load(args.description)
        if args.command == "objects":
            print_objects(desc)
        elif args.command == "conf":
            sys.stdout.write(render_conf(desc, args.address, args.port))
        elif args.command == "prepare":
            if not args.dir:
                parser.error("prepare needs --dir")
            print("\n".join(prepare(desc, args.dir, args.address, args.port,
                                     args.community if args.probe else None)))
        elif args.command == "start":
            if not args.dir:
                parser.error("start needs --dir")
            print(start(desc, args.dir, args.address, args.port, args.netns,
                        args.seconds).pid)
        elif args.command == "run":
            import tempfile
            with tempfile.TemporaryDirectory(prefix="simagent-") as directory:
                start(desc, directory, args.address, args.port, args.netns, args.seconds)
                print("serving %s on %s port %d; Ctrl-C stops" %
                      (args.description, args.address, args.port), flush=True)
                try:
                    signal.pause()
                except KeyboardInterrupt:
                    pass
                finally:
                    stop(directory)
    except DescriptionError as error:
        print("simagent: %s" % error, file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
