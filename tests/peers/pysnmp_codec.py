#!/usr/bin/python3
"""An independent SNMPv1/v2c codec for interoperation tests, built on pysnmp.

  pysnmp_codec.py generate COUNT SEED   prints COUNT JSON lines {"hex": ..., "message": {...}}
                                        of messages pysnmp encoded, covering every value type
                                        and PDU kind of SNMPv1 and SNMPv2c
  pysnmp_codec.py parse                 reads hexadecimal messages, one a line, on standard
                                        input and prints one JSON line each: {"message": {...}}
                                        or {"error": "..."}
  pysnmp_codec.py encode                reads message descriptions (the JSON form below), one a
                                        line, and prints the hexadecimal encoding of each

Message form: {"version": 0|1, "community": hex, "pdu": kind, "request_id": n,
"error_status": n, "error_index": n, "bindings": [[oid, tag, value], ...]} with, for the
SNMPv1 trap (kind "trap"), "enterprise", "agent_addr", "generic", "specific", "time_stamp"
in place of the three request fields. Tags are the BER tag numbers; values are numbers for
the integer types, lowercase hex for OCTET STRING, Opaque and IpAddress, dotted text for
OBJECT IDENTIFIER and null for NULL and the three exceptions (0x80, 0x81, 0x82).

pyasn1 writes every negative power of two with one octet too many (-128 as ff 80), so
-2147483648 goes out as the five octets ff 80 00 00 00, a form BER does not allow; decoders
that check the five-octet form refuse such messages.
"""
import json
import random
import sys

from pyasn1.codec.ber import decoder, encoder
from pyasn1.type import univ
from pysnmp.proto import api, rfc1902, rfc1905

PDU_CLASSES = {
    "get": "GetRequestPDU",
    "getnext": "GetNextRequestPDU",
    "response": "GetResponsePDU",
    "set": "SetRequestPDU",
    "trap": "TrapPDU",
    "getbulk": "GetBulkRequestPDU",
    "inform": "InformRequestPDU",
    "trap2": "SNMPv2TrapPDU",
    "report": "ReportPDU",
}
V1_KINDS = ["get", "getnext", "response", "set", "trap"]
V2C_KINDS = ["get", "getnext", "response", "set", "getbulk", "inform", "trap2", "report"]
V1_TAGS = [0x02, 0x04, 0x05, 0x06, 0x40, 0x41, 0x42, 0x43, 0x44]
V2C_TAGS = V1_TAGS + [0x46, 0x80, 0x81, 0x82]


def module(version):
    return api.protoModules[api.protoVersion1 if version == 0 else api.protoVersion2c]


def make_value(p, tag, value):
    """A value of pysnmp's own classes for the message's version module p."""
    v1 = p is api.protoModules[api.protoVersion1]
    makers = {
        0x02: lambda: p.Integer(value),
        0x04: lambda: p.OctetString(bytes.fromhex(value)),
        0x05: lambda: p.Null(""),
        0x06: lambda: p.ObjectIdentifier(value),
        0x40: lambda: p.IpAddress(bytes.fromhex(value)),
        0x41: lambda: (p.Counter if v1 else p.Counter32)(value),
        0x42: lambda: (p.Gauge if v1 else p.Gauge32)(value),
        0x43: lambda: p.TimeTicks(value),
        0x44: lambda: p.Opaque(bytes.fromhex(value)),
        0x46: lambda: rfc1902.Counter64(value),
        0x80: lambda: rfc1905.NoSuchObject(""),
        0x81: lambda: rfc1905.NoSuchInstance(""),
        0x82: lambda: rfc1905.EndOfMibView(""),
    }
    return makers[tag]()


def describe_value(value):
    tag = value.tagSet[-1].tagClass | value.tagSet[-1].tagId
    if tag in (0x02, 0x41, 0x42, 0x43, 0x46):
        return tag, int(value)
    if tag in (0x04, 0x40, 0x44):
        return tag, bytes(value.asOctets()).hex()
    if tag == 0x06:
        return tag, str(value)
    return tag, None


def encode(message):
    version = message["version"]
    p = module(version)
    msg = p.Message()
    p.apiMessage.setDefaults(msg)
    p.apiMessage.setCommunity(msg, bytes.fromhex(message["community"]))
    pdu = getattr(p, PDU_CLASSES[message["pdu"]])()
    if message["pdu"] == "trap":
        p.apiTrapPDU.setDefaults(pdu)
        p.apiTrapPDU.setEnterprise(pdu, message["enterprise"])
        p.apiTrapPDU.setAgentAddr(pdu, p.IpAddress(bytes.fromhex(message["agent_addr"])))
        p.apiTrapPDU.setGenericTrap(pdu, message["generic"])
        p.apiTrapPDU.setSpecificTrap(pdu, message["specific"])
        p.apiTrapPDU.setTimeStamp(pdu, message["time_stamp"])
        p.apiTrapPDU.setVarBinds(pdu, [(oid, make_value(p, tag, v)) for oid, tag, v in message["bindings"]])
    else:
        p.apiPDU.setDefaults(pdu)
        p.apiPDU.setRequestID(pdu, message["request_id"])
        if message["pdu"] == "getbulk":
            p.apiBulkPDU.setNonRepeaters(pdu, message["error_status"])
            p.apiBulkPDU.setMaxRepetitions(pdu, message["error_index"])
        else:
            p.apiPDU.setErrorStatus(pdu, message["error_status"])
            p.apiPDU.setErrorIndex(pdu, message["error_index"])
        p.apiPDU.setVarBinds(pdu, [(oid, make_value(p, tag, v)) for oid, tag, v in message["bindings"]])
    p.apiMessage.setPDU(msg, pdu)
    return encoder.encode(msg)


def parse(data):
    version = int(api.decodeMessageVersion(data))
    p = module(version)
    msg, rest = decoder.decode(data, asn1Spec=p.Message())
    pdu = p.apiMessage.getPDU(msg)
    kinds = V1_KINDS if version == 0 else V2C_KINDS
    kind = next(k for k in kinds if pdu.tagSet == getattr(p, PDU_CLASSES[k]).tagSet)
    result = {"version": version,
              "community": bytes(p.apiMessage.getCommunity(msg).asOctets()).hex(),
              "pdu": kind, "trailing": len(rest)}
    if kind == "trap":
        result.update(enterprise=str(p.apiTrapPDU.getEnterprise(pdu)),
                      agent_addr=bytes(p.apiTrapPDU.getAgentAddr(pdu).asOctets()).hex(),
                      generic=int(p.apiTrapPDU.getGenericTrap(pdu)),
                      specific=int(p.apiTrapPDU.getSpecificTrap(pdu)),
                      time_stamp=int(p.apiTrapPDU.getTimeStamp(pdu)))
        binds = p.apiTrapPDU.getVarBinds(pdu)
    else:
        result.update(request_id=int(p.apiPDU.getRequestID(pdu)),
                      error_status=int(pdu.getComponentByPosition(1)),
                      error_index=int(pdu.getComponentByPosition(2)))
        binds = p.apiPDU.getVarBinds(pdu)
    result["bindings"] = [[str(oid)] + list(describe_value(value)) for oid, value in binds]
    return result


def random_oid(rng):
    first = rng.choice([0, 1, 2])
    second = rng.randrange(40) if first < 2 else rng.randrange(1000)
    arcs = [first, second] + [rng.choice([0, 1, 127, 128, 255, 16383, 16384, 4294967295,
                                          rng.randrange(100000)])
                              for _ in range(rng.randrange(0, 12))]
    return ".".join(str(a) for a in arcs)


def random_value(rng, tag):
    if tag == 0x02:
        return rng.choice([0, 1, -1, 127, 128, -128, -129, 2147483647, -2147483648,
                           rng.randrange(-2**31, 2**31)])
    if tag in (0x41, 0x42, 0x43):
        return rng.choice([0, 127, 128, 255, 256, 2**31 - 1, 2**31, 2**32 - 1, rng.randrange(2**32)])
    if tag == 0x46:
        return rng.choice([0, 1, 2**32, 2**63, 2**64 - 1, rng.randrange(2**64)])
    if tag in (0x04, 0x44):
        return bytes(rng.randrange(256) for _ in range(rng.choice([0, 1, 5, 127, 128, 300]))).hex()
    if tag == 0x40:
        return bytes(rng.randrange(256) for _ in range(4)).hex()
    if tag == 0x06:
        return random_oid(rng)
    return None


def random_message(rng):
    version = rng.choice([0, 1])
    kind = rng.choice(V1_KINDS if version == 0 else V2C_KINDS)
    tags = V1_TAGS if version == 0 else V2C_TAGS
    message = {"version": version,
               "community": bytes(rng.randrange(1, 256) for _ in range(rng.randrange(0, 40))).hex(),
               "pdu": kind,
               "bindings": [[random_oid(rng) if rng.random() < 0.5 else "1.3.6.1.2.1.1.%d.0" % i,
                             tag, random_value(rng, tag)]
                            for i, tag in enumerate(rng.choice(tags) for _ in range(rng.randrange(0, 20)))]}
    for binding in message["bindings"]:
        if binding[0].count(".") < 1:
            binding[0] = "1.3"
    if kind == "trap":
        message.update(enterprise=random_oid(rng) if rng.random() < 0.7 else "1.3.6.1.4.1.253",
                       agent_addr=bytes(rng.randrange(256) for _ in range(4)).hex(),
                       generic=rng.randrange(0, 7), specific=rng.randrange(0, 2**31),
                       time_stamp=rng.randrange(2**32))
        if message["enterprise"].count(".") < 1:
            message["enterprise"] = "1.3"
    else:
        message.update(request_id=rng.randrange(-2**31, 2**31),
                       error_status=rng.randrange(0, 19), error_index=rng.randrange(0, 30))
    return message


def main(argv):
    if len(argv) == 4 and argv[1] == "generate":
        rng = random.Random(int(argv[3]))
        for _ in range(int(argv[2])):
            message = random_message(rng)
            data = encode(message)
            print(json.dumps({"hex": bytes(data).hex(), "message": parse(data)}))
        return 0
    if len(argv) == 2 and argv[1] == "parse":
        for line in sys.stdin:
            line = line.strip()
            if not line:
                continue
            try:
                print(json.dumps({"message": parse(bytes.fromhex(line))}))
            except Exception as error:  # any refusal of pysnmp is the answer
                print(json.dumps({"error": str(error) or type(error).__name__}))
            sys.stdout.flush()
        return 0
    if len(argv) == 2 and argv[1] == "encode":
        for line in sys.stdin:
            if line.strip():
                print(bytes(encode(json.loads(line))).hex())
                sys.stdout.flush()
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
