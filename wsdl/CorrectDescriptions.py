"""Turns the WSDL and schemas that soapcpp2 writes from the binding's headers into descriptions
that other SOAP toolkits load, describing the messages exactly as the binding sends and reads
them. Every correction names how many places it must change; any other count stops the build,
so a different soapcpp2 cannot silently drop a fix.

Run as: python3 CorrectDescriptions.py GENERATED_DIR OUTPUT_DIR
"""

import copy
import re
import sys
from pathlib import Path

from lxml import etree

XS = "http://www.w3.org/2001/XMLSchema"
WSDL = "http://schemas.xmlsoap.org/wsdl/"
NS = {"xs": XS, "w": WSDL, "soap": "http://schemas.xmlsoap.org/wsdl/soap/"}

# Namespace of each shipped schema file; files that share a namespace are merged into the first
# file named for it (one schema document per namespace, so an import finds all of it).
SCHEMAS = ["bsi", "dd", "pwg", "ns1", "ixa", "ixaget", "ixagd", "ixasd"]
MERGED = {"ixags": "ixagd", "ixaad": "ixasd", "ixard": "ixasd"}
SERVICES = ["BaseService", "XDMAccessService"]

# Member elements that share a name with a differently typed member elsewhere: one global
# element cannot describe both, so these become local elements of their own type.
LOCAL_MEMBERS = [
    ("bsi", "StartSessionResponse", "return", "bsi:SessionTicket_t"),
    ("bsi", "SubscribeResponse", "return", "bsi:SubscriptionID_t"),
    ("bsi", "GetSupportedEventsResponse", "return", "bsi:EventList"),
    ("bsi", "EventList", "Event", "xsd:string"),
    ("bsi", "Deliver", "Event", "bsi:Event_t"),
    ("bsi", "RunDiagnostic", "Diagnostic", "xsd:string"),
    ("bsi", "DiagnosticList", "Diagnostic", "bsi:Diagnostic_t"),
    ("bsi", "BaseProperties_t", "SubscriptionID", "xsd:string"),
    ("bsi", "FaultDetails_t", "Payload", "bsi:FaultDetails_t-Payload"),
]

# Classes of the binding's own making that never travel: the fault readers' wrappers.
WRAPPER_TYPES = ["SessionException", "ServiceException", "ServiceBusy", "SecurityException",
                 "XPathException", "XPathError"]
# The SOAP Fault details of each service's operations.
FAULTS = {"BaseService": ["bsi:SessionException", "bsi:ServiceException", "bsi:ServiceBusy",
                          "bsi:SecurityException"]}
FAULTS["XDMAccessService"] = FAULTS["BaseService"] + ["ixaget:XPathException",
                                                      "ixaget:XPathError"]
# Answers taken as literal text: described by what devices send, any content.
LITERAL_ANSWERS = ["EndSessionResponse", "UnsubscribeResponse", "DeliverResponse"]
LITERAL_PARTS = {"BaseService": 3, "XDMAccessService": 0}
# Enumerations whose typedef soapcpp2 names like the enumeration itself: those of dd, pwg, ns1.
COPIES = 174


def expect(nodes, count, what):
    nodes = list(nodes)
    if len(nodes) != count:
        sys.exit(f"CorrectDescriptions: {what}: found {len(nodes)}, expected {count}")
    return nodes


def xs(tag, **attributes):
    return etree.Element(f"{{{XS}}}{tag}", **attributes)


def any_content(process):
    """A complex type of mixed content holding any elements."""
    complex_type = xs("complexType", mixed="true")
    sequence = etree.SubElement(complex_type, f"{{{XS}}}sequence")
    sequence.append(xs("any", processContents=process, minOccurs="0", maxOccurs="unbounded"))
    return complex_type


def enumeration_text(constant):
    """The text of an enumeration constant, by the binding's rule: what follows the type's name
    and "__", with _xHHHH read as that character, _USCORE as '_', _DOT as '.', a lone '_' kept."""
    name = constant.split("__", 2)[2]
    text = ""
    while "_" in name:
        head, name = name.split("_", 1)
        text += head
        if name.startswith("USCORE"):
            text, name = text + "_", name[6:]
        elif name.startswith("DOT"):
            text, name = text + ".", name[3:]
        elif re.match("x[0-9a-fA-F]{4}", name):
            text, name = text + chr(int(name[1:5], 16)), name[5:]
        else:
            text += "_"
    return text + name


def correct_schemas(generated):
    schemas = {name: etree.parse(str(generated / f"{name}.xsd")).getroot()
               for name in SCHEMAS + list(MERGED)}
    # soapcpp2 copies the types without a prefix into every schema.
    for name in WRAPPER_TYPES + ["XML_Ticket_t"]:
        for schema in schemas.values():
            for node in schema.findall(f"xs:complexType[@name='{name}']", NS):
                schema.remove(node)
    # The answers of the wrapper form are declared again by the file of their wrapper.
    duplicates = []
    for name, into in MERGED.items():
        target = schemas[into]
        for child in schemas.pop(name):
            if not isinstance(child.tag, str) or child.tag == f"{{{XS}}}import":
                continue
            if target.find(f"{child.tag}[@name='{child.get('name')}']") is not None:
                duplicates.append(child)
            else:
                target.append(child)
    expect(duplicates, 3, "answers declared twice")

    for enumeration in (n for s in schemas.values()
                        for n in s.iterfind("xs:simpleType/xs:restriction[xs:enumeration]", NS)):
        enumeration.set("base", "xsd:string")
        for value in enumeration.findall("xs:enumeration", NS):
            value.set("value", enumeration_text(value.getnext().text.strip()))
    # Literal XML: the caller's text stands directly in the element, no Ticket around it.
    for into in ("ixagd", "ixasd"):
        ticket = any_content("skip")
        ticket.set("name", "XML_Ticket_t")
        schemas[into].insert(0, ticket)

    # Where an enumeration's typedef is named like the enumeration, the typedef restricts itself.
    copies = []
    for name, schema in schemas.items():
        for node in schema.findall("xs:simpleType", NS):
            if node.find(f"xs:restriction[@base='{name}:{node.get('name')}']", NS) is not None:
                copies.append(node)
                schema.remove(node)
    expect(copies, COPIES, "enumerations named twice")

    # A member named like its type has no global element to refer to.
    declared = []
    for name, schema in schemas.items():
        elements = {node.get("name") for node in schema.findall("xs:element", NS)}
        referred = {node.get("ref").split(":")[1]
                    for node in schema.iterfind(".//xs:element[@ref]", NS)
                    if node.get("ref").startswith(f"{name}:")}
        for missing in sorted(referred - elements):
            declared.append(missing)
            schema.append(xs("element", name=missing, type=f"{name}:{missing}"))
    expect(declared, 16, "members named like their type")

    for node in expect(schemas["bsi"].iterfind(".//xs:extension[@base='IdentifierText']", NS),
                       3, "identifier content"):
        node.set("base", "xsd:string")
    for schema_name, owner, member, type_name in LOCAL_MEMBERS:
        ref = expect(schemas[schema_name].iterfind(
            f"xs:complexType[@name='{owner}']//xs:element[@ref='{schema_name}:{member}']", NS),
            1, f"{owner}/{member}")[0]
        del ref.attrib["ref"]
        ref.set("name", member)
        ref.set("type", type_name)
    # A data access answer without its result reads as the default result.
    for node in expect((n for s in schemas.values() for n in s.iterfind(
            "xs:complexType[@name]/xs:sequence/xs:element[@minOccurs='1']", NS)
                        if n.get("name", "").endswith("Result")), 5, "data access results"):
        node.set("minOccurs", "0")
    for name in LITERAL_ANSWERS:
        answer = xs("element", name=name)
        answer.append(any_content("lax"))
        schemas["bsi"].append(answer)
    # Literal requests carry the caller's XML text, any content.
    for node in expect((n for s in schemas.values()
                        for n in s.findall("xs:element[@type='xsd:anyType']", NS)),
                       10, "literal requests"):
        del node.attrib["type"]
        node.append(any_content("lax"))
    lang = expect(schemas["dd"].iterfind(".//xs:attribute[@ref='xml:lang']", NS), 1, "xml:lang")
    lang[0].getparent().replace(lang[0], xs("anyAttribute", processContents="skip",
                                            namespace="http://www.w3.org/XML/1998/namespace"))

    namespaces = {schema.get("targetNamespace"): name for name, schema in schemas.items()}
    for schema in schemas.values():
        own = schema.get("targetNamespace")
        for node in schema.findall("xs:import", NS):
            schema.remove(node)
        used = {schema.nsmap[qname.split(":")[0]]
                for qname in schema.xpath(".//@type | .//@ref | .//@base")
                if ":" in qname and qname.split(":")[0] in schema.nsmap}
        for uri in sorted(used - {own, XS}):
            schema.insert(0, xs("import", namespace=uri,
                                schemaLocation=f"{namespaces[uri]}.xsd"))
    # soapcpp2's comments name its C++ identifiers, which mean nothing to a reader of the wire.
    for schema in schemas.values():
        for comment in schema.xpath("//comment()"):
            comment.getparent().remove(comment)
    return schemas


def declare_faults(root, service):
    """Every operation may answer with a Fault whose detail is one of its service's details."""
    soap = root.nsmap["SOAP"]
    first_port_type = root.find("w:portType", NS)
    for detail in FAULTS[service]:
        name = detail.split(":")[1]
        message = etree.Element(f"{{{WSDL}}}message", name=name)
        etree.SubElement(message, f"{{{WSDL}}}part", name="detail", element=detail)
        first_port_type.addprevious(message)
        for operation in root.iterfind("w:portType/w:operation", NS):
            etree.SubElement(operation, f"{{{WSDL}}}fault", name=name, message=f"tns:{name}")
        for operation in root.iterfind("w:binding/w:operation", NS):
            fault = etree.SubElement(operation, f"{{{WSDL}}}fault", name=name)
            etree.SubElement(fault, f"{{{soap}}}fault", name=name, use="literal")


def correct_service(generated, service, schemas):
    root = etree.parse(str(generated / f"{service}.wsdl")).getroot()
    declare_faults(root, service)
    types = root.find("w:types", NS)
    for node in list(types):
        types.remove(node)
    # Inline, every schema finds the others by namespace: the WSDL stands alone, with the
    # schemas its messages need.
    by_uri = {schema.get("targetNamespace"): schema for schema in schemas.values()}
    needed = {root.nsmap[part.get("element").lstrip("-").split(":")[0]]
              for part in root.iterfind("w:message/w:part[@element]", NS)}
    needed.discard(root.get("targetNamespace"))
    pending = list(needed)
    while pending:
        for node in by_uri[pending.pop()].findall("xs:import", NS):
            if node.get("namespace") not in needed:
                needed.add(node.get("namespace"))
                pending.append(node.get("namespace"))
    for uri in sorted(needed):
        inline = copy.deepcopy(by_uri[uri])
        for node in inline.findall("xs:import", NS):
            del node.attrib["schemaLocation"]
        types.append(inline)
    # soapcpp2 names the literal answers by a wrapper that is not a QName.
    for part in expect((part for part in root.iterfind("w:message/w:part[@element]", NS)
                        if part.get("element").startswith("-")),
                       LITERAL_PARTS[service], "literal answers"):
        part.set("element", "bsi:" + part.get("element").split(":")[1])
    # The header's generic member is never set: only the session and the time travel.
    for part in expect(root.iterfind("w:message/w:part[@name='headers']", NS), 1, "headers"):
        part.getparent().remove(part)
    # soapcpp2's notes (one per operation and one for the service) name its C++ functions.
    for note in expect(list(root.iterfind(".//w:documentation", NS)),
                       len(root.findall("w:portType/w:operation", NS)) + 1, "documentation"):
        note.getparent().remove(note)
    for comment in root.xpath("//comment()"):
        comment.getparent().remove(comment)
    return root


def main():
    generated, output = Path(sys.argv[1]), Path(sys.argv[2])
    output.mkdir(parents=True, exist_ok=True)
    schemas = correct_schemas(generated)
    for name, schema in schemas.items():
        etree.ElementTree(schema).write(str(output / f"{name}.xsd"), xml_declaration=True,
                                        encoding="UTF-8")
    for service in SERVICES:
        etree.ElementTree(correct_service(generated, service, schemas)).write(
            str(output / f"{service}.wsdl"), xml_declaration=True, encoding="UTF-8")


if __name__ == "__main__":
    main()
