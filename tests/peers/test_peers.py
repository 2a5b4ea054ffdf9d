#!/usr/bin/python3
"""Checks the simulated printers with Net-SNMP's command-line tools.

Run from this folder: /usr/bin/python3 -m unittest -v test_peers
Every printer description is started in snmpd on a loopback address of its own and
walked with snmpwalk and snmpbulkwalk (SNMPv1, SNMPv2c and SNMPv3): it must serve exactly
its objects with their types, tables must end cleanly, and the job-cancel objects must
take a set. Without snmpd or the Net-SNMP tools the tests are skipped, unless CI=true.
"""

import fcntl
import os
import random
import re
import shutil
import socket
import subprocess
import tempfile
import unittest

import simagent

LOCK_FOLDER = "/tmp/dvk-loopback"  # shared with the C++ test support
TOOLS = ["/usr/sbin/snmpd", "/usr/bin/snmpwalk", "/usr/bin/snmpbulkwalk", "/usr/bin/snmpget",
         "/usr/bin/snmpset"]
PRINTERS = ["quillmark-5150", "quillmark-6100", "quillmark-5150-no-private",
            "quillmark-5150-large"]
SYSTEM_GROUP_EXTRAS = {"1.3.6.1.2.1.1.3.0"}  # sysUpTime from the system group module
TYPE_NAMES = {"integer": "INTEGER", "uinteger": "Gauge32", "counter": "Counter32",
              "object_id": "OID"}


def missing_tools():
    return [tool for tool in TOOLS if not os.access(tool, os.X_OK)]


def require_tools(test):
    missing = missing_tools()
    if missing:
        if os.environ.get("CI") == "true":
            test.fail("missing: %s" % " ".join(missing))
        test.skipTest("missing: %s" % " ".join(missing))


class LoopbackAddress:
    """A loopback address 127.0.x.y reserved by a lock file while the object lives."""

    def __init__(self):
        os.makedirs(LOCK_FOLDER, exist_ok=True)
        start = random.randrange(239 * 254)
        for attempt in range(4000):
            number = start + attempt
            address = "127.0.%d.%d" % (16 + (number // 254) % 239, 1 + number % 254)
            stream = open(os.path.join(LOCK_FOLDER, address + ".lock"), "a")
            try:
                fcntl.flock(stream, fcntl.LOCK_EX | fcntl.LOCK_NB)
            except OSError:
                stream.close()
                continue
            if self.port_free(address):
                self.address, self.lock = address, stream
                return
            stream.close()
        raise RuntimeError("no free loopback address")

    @staticmethod
    def port_free(address):
        with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as probe:
            try:
                probe.bind((address, 161))
                return True
            except OSError:
                return False

    def release(self):
        self.lock.close()


def net_snmp(tool, *arguments):
    result = subprocess.run(["/usr/bin/" + tool, "-On", "-Oe", "-t", "0.5", "-r", "1"] +
                            list(arguments), capture_output=True, text=True, timeout=60)
    return result.returncode, result.stdout, result.stderr


def parse_walk(text):
    """{OID: (type, value text)} of snmpwalk lines printed with -On."""
    objects = {}
    for line in text.splitlines():
        match = re.match(r"^\.([\d.]+) = (?:([\w-]+): )?(.*)$", line)
        if match and not re.match(r"No (more variables|Such)", match.group(3)):
            objects[match.group(1)] = (match.group(2) or "", match.group(3))
    return objects


class PrinterAgent:
    """snmpd serving a description (a name or a loaded mapping) on an address of its own."""

    def __init__(self, printer):
        self.folder = tempfile.mkdtemp(prefix="dvk-simagent-")
        self.loopback = LoopbackAddress()
        self.address = self.loopback.address
        self.desc = simagent.load(printer) if isinstance(printer, str) else printer
        self.process = simagent.start(self.desc, self.folder, self.address, 161)

    def close(self):
        simagent.stop(self.folder)
        self.process.wait(timeout=5)
        self.loopback.release()
        shutil.rmtree(self.folder, ignore_errors=True)


class SimulatedPrinters(unittest.TestCase):
    def setUp(self):
        require_tools(self)

    def start(self, printer):
        agent = PrinterAgent(printer)
        self.addCleanup(agent.close)
        return agent

    def expected_type(self, kind, value):
        if kind == "octet_str":
            printable = value.isascii() and value.decode().isprintable()
            return ("STRING",) if printable and value else ("STRING", "Hex-STRING", "")
        return (TYPE_NAMES[kind],)

    def test_every_printer_serves_exactly_its_objects(self):
        for printer in PRINTERS:
            with self.subTest(printer=printer):
                agent = self.start(printer)
                expected = simagent.build_objects(agent.desc).items
                for version in ("1", "2c"):
                    code, out, err = net_snmp("snmpwalk", "-v", version, "-c", "public",
                                              agent.address, ".1")
                    self.assertEqual(code, 0, err)
                    walked = parse_walk(out)
                    self.assertEqual(set(walked) - SYSTEM_GROUP_EXTRAS, set(expected),
                                     "version %s" % version)
                    for oid, (kind, value, _) in expected.items():
                        self.assertIn(walked[oid][0], self.expected_type(kind, value), oid)
                code, bulk, err = net_snmp("snmpbulkwalk", "-v", "2c", "-c", "public",
                                           agent.address, ".1")
                self.assertEqual(code, 0, err)
                self.assertEqual(set(parse_walk(bulk)) - SYSTEM_GROUP_EXTRAS, set(expected))

    def test_long_texts_and_table_sizes_of_the_large_printer(self):
        agent = self.start("quillmark-5150-large")
        code, out, _ = net_snmp("snmpwalk", "-v", "2c", "-c", "public", agent.address,
                                "1.3.6.1.2.1.25.3.2.1.3")
        self.assertEqual(code, 0)
        descriptions = parse_walk(out)
        self.assertEqual(len(descriptions), 60)
        self.assertTrue(descriptions["1.3.6.1.2.1.25.3.2.1.3.10"][1].strip('"').startswith(
            "Printer Controller v3.4.5 - Processor"))
        code, out, _ = net_snmp("snmpwalk", "-v", "1", "-c", "public", agent.address,
                                "1.3.6.1.2.1.43.8.2.1.18")
        trays = parse_walk(out)
        self.assertEqual(len(trays), 25)
        self.assertGreaterEqual(len(trays["1.3.6.1.2.1.43.8.2.1.18.1.1"][1].strip('"')), 300)
        code, out, _ = net_snmp("snmpget", "-v", "1", "-c", "public", agent.address,
                                "1.3.6.1.2.1.1.5.0",
                                "1.3.6.1.4.1.253.8.64.4.2.1.7.10.19159104")
        self.assertEqual(code, 0)
        for _, text in parse_walk(out).values():
            self.assertGreaterEqual(len(text.strip('"')), 300)

    def test_job_cancel_objects_take_sets_of_the_write_community(self):
        agent = self.start("quillmark-5150")
        cancel = "1.3.6.1.4.1.253.8.76.3.2.1.1.101.8.48.48.48.48.48.48.49.51"
        code, _, err = net_snmp("snmpset", "-v", "1", "-c", "public", agent.address,
                                cancel, "i", "1414")
        self.assertNotEqual(code, 0)
        self.assertIn("noSuchName", err)
        code, _, err = net_snmp("snmpset", "-v", "1", "-c", "private", agent.address,
                                cancel, "i", "1414")
        self.assertEqual(code, 0, err)
        _, out, _ = net_snmp("snmpget", "-v", "2c", "-c", "public", agent.address, cancel)
        self.assertEqual(parse_walk(out)[cancel], ("INTEGER", "1414"))
        code, _, err = net_snmp("snmpset", "-v", "2c", "-c", "private", agent.address,
                                "1.3.6.1.2.1.1.5.0", "s", "renamed")
        self.assertNotEqual(code, 0, "only the job-cancel objects are writable")

    def test_private_objects_of_the_supported_printer(self):
        agent = self.start("quillmark-5150")
        _, out, _ = net_snmp("snmpget", "-v", "1", "-c", "public", agent.address,
                             "1.3.6.1.4.1.253.8.53.13.2.1.6.1.1.5",
                             "1.3.6.1.4.1.253.8.53.13.2.1.6.1.1.6",
                             "1.3.6.1.4.1.253.8.51.4.1.1.7.1.2",
                             "1.3.6.1.4.1.253.8.51.5.1.1.4.5.1.106",
                             "1.3.6.1.4.1.253.8.59.10.1.1.10.5.1.48.48.48.48.48.48.49.50",
                             "1.3.6.1.2.1.43.7.1.1.4.1.2")
        values = [value for _, value in parse_walk(out).values()]
        self.assertEqual(values, ["8", "1", "106", '"Network (LPR)"',
                                  "07 D4 0C 1F 17 00 2D 00 ", "106"])
        without = self.start("quillmark-5150-no-private")
        _, out, _ = net_snmp("snmpwalk", "-v", "2c", "-c", "public", without.address,
                             "1.3.6.1.4.1.253.8")
        self.assertEqual(parse_walk(out), {})

    def test_snmpv3_users(self):
        agent = self.start("quillmark-6100")
        cases = [(["-u", "Mdevices", "-l", "authPriv", "-a", "SHA", "-A",
                   "Wq7bLm3xTr9vKp2zHn4d", "-x", "AES", "-X", "Gy5sNc8wQe1jRf6uZa0t"], True),
                 (["-u", "Mdevices", "-l", "authPriv", "-a", "MD5", "-A",
                   "Wq7bLm3xTr9vKp2zHn4d", "-x", "DES", "-X", "Gy5sNc8wQe1jRf6uZa0t"], False)]
        for security, answers in cases:
            with self.subTest(security=security):
                code, out, err = net_snmp("snmpget", "-v", "3", *security, agent.address,
                                          "1.3.6.1.2.1.1.5.0")
                self.assertEqual(code == 0, answers, out + err)

    def test_conf_quotes_texts_snmpd_would_misread(self):
        desc = {"objects": [["1.3.6.1.4.1.1.1", "octet_str", "0x41 looks like hex"],
                            ["1.3.6.1.4.1.1.2", "octet_str", 'a "quoted" word'],
                            ["1.3.6.1.4.1.1.3", "octet_str", "hex:00ff"],
                            ["1.3.6.1.4.1.1.4", "octet_str", ""]]}
        conf = simagent.render_conf(desc, "127.0.0.1")
        self.assertIn("override .1.3.6.1.4.1.1.1 octet_str 0x3078343120", conf)
        self.assertIn("override .1.3.6.1.4.1.1.3 octet_str 0x00ff", conf)
        self.assertIn('override .1.3.6.1.4.1.1.4 octet_str ""', conf)
        require_tools(self)
        agent = self.start(desc)
        _, out, _ = net_snmp("snmpwalk", "-v", "2c", "-c", "public", agent.address,
                             "1.3.6.1.4.1.1")
        self.assertEqual(parse_walk(out), {
            "1.3.6.1.4.1.1.1": ("STRING", '"0x41 looks like hex"'),
            "1.3.6.1.4.1.1.2": ("STRING", '"a \\"quoted\\" word"'),
            "1.3.6.1.4.1.1.3": ("Hex-STRING", "00 FF "),
            "1.3.6.1.4.1.1.4": ("", '""')})

    def test_descriptions_refuse_unknown_columns(self):
        with self.assertRaises(simagent.DescriptionError):
            simagent.build_objects({"prtInput": [{"index": 1, "colour": "white"}]})
        with self.assertRaises(simagent.DescriptionError):
            simagent.load("no-such-printer")


if __name__ == "__main__":
    unittest.main()
