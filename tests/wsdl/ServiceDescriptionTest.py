"""The shipped WSDL and schemas against the wire: a toolkit of its own (zeep) calls every
operation of the simulated device from them, the device serves them at ?wsdl, and every golden
request of the binding's tests validates against the schemas (xmllint).

Run as: python3 ServiceDescriptionTest.py KAVELIN_DEVICE WSDL_DIR GOLDEN_DIR
"""

import subprocess
import sys
import tempfile
import unittest
import urllib.request
from datetime import datetime, timezone
from pathlib import Path

import zeep
from lxml import etree

DEVICE, WSDL_DIR, GOLDEN_DIR = (Path(arg) for arg in sys.argv[1:4])
DD = "http://schemas.orvanta.example/schemas/imaging/con/dictionaries/1.0/"
BASE_BINDING = "{http://schemas.orvanta.example/schemas/imaging/con/bsi/wsdl/2003/08/21}BaseService"
XDM_BINDING = ("{http://schemas.orvanta.example/schemas/imaging/con/ixa/wsdl/2004/07/20}"
               "XDMAccessService")
BASE_PATH, XDM_PATH = "/BaseService", "/xdm/ixa/IXDMAccessSet.asmx"


class ServiceDescriptionTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        # The device stops by itself should the test hang.
        cls.device = subprocess.Popen([str(DEVICE), "--port", "0", "--duration", "120"],
                                      stdout=subprocess.PIPE, text=True)
        cls.address = "http://" + cls.device.stdout.readline().split()[-1]

    @classmethod
    def tearDownClass(cls):
        cls.device.terminate()
        cls.device.wait(timeout=10)
        cls.device.stdout.close()

    def service(self, wsdl, binding, path):
        return zeep.Client(str(WSDL_DIR / wsdl)).create_service(binding, self.address + path)

    def test_a_toolkit_calls_every_operation_from_the_shipped_files(self):
        base = self.service("BaseService.wsdl", BASE_BINDING, BASE_PATH)
        ticket = base.StartSession(RequestTicket={"Credentials": {"UserNameToken": "guest"},
                                                  "RequestedLanguage": ["en-US"],
                                                  "RequestedRole": ["user"]})
        ticket = ticket.StartSessionResult
        self.assertEqual((ticket.SessionLanguage, ticket.Name), ("en-US", "guest"))
        # The session and the time travel in the header, as the library sends them.
        header = {"_soapheaders": {"SessionID": ticket.SessionID,
                                   "TimeStamp": datetime.now(timezone.utc)}}
        events = base.GetSupportedEvents(**header)
        self.assertIn("StatusChanged", events.GetSupportedEventsResult.Event)
        subscribed = base.Subscribe(SubscriptionInfo={"EventName": "StatusChanged",
                                                      "ReliabilityOption": "NoRetry"},
                                    ClientDeliveryAddress="http://127.0.0.1:9/events", **header)
        base.Unsubscribe(SubscriptionID=subscribed.SubscribeResult, **header)

        xdm = self.service("XDMAccessService.wsdl", XDM_BINDING, XDM_PATH)
        name = {"Prefixes": {"PrefixMap": [{"Prefix": "dd", "URL": DD}]},
                "Path": "/dd:Printer/dd:Identity/dd:Name"}
        self.assertIn(">Printer-3rd-Floor<", xdm.GetData(**name, **header).GetDataResult)
        document = etree.fromstring(f'<dd:Printer xmlns:dd="{DD}"><dd:Identity>'
                                    "<dd:Name>WSDL</dd:Name></dd:Identity></dd:Printer>")
        changed = xdm.SetData(XDM_Document={"_value_1": [document]}, ResultsDetails=True, **header)
        self.assertEqual(changed[0].get("changed"), "1")
        self.assertIn(">WSDL<", xdm.GetData(**name, **header).GetDataResult)
        self.assertTrue(xdm.GetSettable(**header)[0].tag.endswith("Settable"))
        base.EndSession(**header)
        # The session has ended: the device now refuses it.
        with self.assertRaises(zeep.exceptions.Fault):
            base.GetSupportedEvents(**header)

    def test_the_device_serves_each_services_wsdl_at_its_path(self):
        for path, query, wsdl in [(BASE_PATH, "?wsdl", "BaseService.wsdl"),
                                  (XDM_PATH, "?WSDL", "XDMAccessService.wsdl")]:
            with urllib.request.urlopen(self.address + path + query, timeout=10) as answer:
                served = answer.read().decode()
            shipped = (WSDL_DIR / wsdl).read_text()
            self.assertEqual(served, shipped.replace(
                'location="http://localhost' + path, f'location="{self.address}{path}'))

    def test_every_golden_request_validates_against_the_schemas(self):
        schemas = {etree.parse(str(xsd)).getroot().get("targetNamespace"): xsd
                   for xsd in WSDL_DIR.glob("*.xsd")}
        for golden in sorted(GOLDEN_DIR.glob("*.http")):
            envelope = etree.fromstring(golden.read_bytes().split(b"\r\n\r\n", 1)[1])
            for element in envelope.iterfind("*/*"):
                with self.subTest(golden=golden.name, element=element.tag), \
                        tempfile.NamedTemporaryFile(suffix=".xml") as part:
                    part.write(etree.tostring(element))
                    part.flush()
                    check = subprocess.run(
                        ["xmllint", "--noout", "--schema",
                         str(schemas[etree.QName(element).namespace]), part.name],
                        capture_output=True, text=True, timeout=60)
                    self.assertEqual(check.returncode, 0, check.stderr)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
