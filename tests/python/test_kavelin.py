"""The Python package against the kavelin-device program: every operation, the failure's
fields, proxies on several threads, a watch receiving deliveries."""

import os
import re
import subprocess
import threading
import unittest
from concurrent.futures import ThreadPoolExecutor

import kavelin

DD = "http://schemas.orvanta.example/schemas/imaging/con/dictionaries/1.0/"


def location(value):
    return (f"<dd:Printer xmlns:dd='{DD}'><dd:Identity><dd:Location>{value}</dd:Location>"
            "</dd:Identity></dd:Printer>")


class DeviceTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.device = subprocess.Popen([os.environ["KAVELIN_DEVICE"], "--port", "0",
                                       "--duration", "120"], stdout=subprocess.PIPE, text=True)
        port = re.match(r"listening on 127\.0\.0\.1:(\d+)", cls.device.stdout.readline())[1]
        cls.url = f"http://127.0.0.1:{port}/BaseService"

    @classmethod
    def tearDownClass(cls):
        cls.device.terminate()
        cls.device.wait(10)
        cls.device.stdout.close()

    def test_every_operation(self):
        with kavelin.Proxy(self.url) as p:
            self.assertTrue(p.start_session())
            p.end_session()
            p.set_data(location("Room 12 &lt;east&gt;"), results_details=True)
            self.assertEqual(p.get_data("string(//dd:Location)", prefixes={"dd": DD}),
                             "Room 12 <east>")
            self.assertIn("Location", p.settable())
            events = p.events()
            self.assertIn("ConsumableChanged", events)
            subscription = p.subscribe("ConsumableChanged", cookie="c", filters={"Item": "x"},
                                       fallback_address="http://127.0.0.1:9/EventCallback")
            self.assertTrue(subscription.startswith("subscription-"))
            p.unsubscribe(subscription)

    def test_failures_carry_text_code_and_cause(self):
        cases = [
            (self.url, lambda p: p.get_data("//dd:[", prefixes={"dd": DD}), "Get Data Failed!!!",
             "the device answered with a Fault: invalid XPath"),
            ("http://127.0.0.1:1/BaseService", lambda p: p.settable(), "StartSession Failed!!!",
             "refused"),
        ]
        for url, operation, text, cause in cases:
            with self.subTest(text), kavelin.Proxy(url) as p:
                with self.assertRaises(kavelin.Error) as raised:
                    operation(p)
                self.assertEqual((raised.exception.text, raised.exception.code),
                                 (text, 0x80004005))
                self.assertIn(cause, raised.exception.cause)

    def test_several_proxies_at_once(self):
        def model(_):
            with kavelin.Proxy(self.url) as p:
                return [p.get_data("string(//dd:Model)", prefixes={"dd": DD}) for _ in range(5)]

        with ThreadPoolExecutor(4) as pool:
            answers = {a for run in pool.map(model, range(4)) for a in run}
        self.assertEqual(len(answers), 1)
        self.assertTrue(answers.pop())

    def test_a_watch_receives_deliveries_with_control_characters_escaped(self):
        stop = threading.Event()

        def keep_changing():
            with kavelin.Proxy(self.url) as p:
                for n in range(100):
                    if stop.wait(0.2):
                        return
                    p.set_data(location(f"Hall-{n}&#x9b;"))

        changer = threading.Thread(target=keep_changing)
        changer.start()
        try:
            events = list(kavelin.watch(self.url, ["ConfigurationChanged"], cookie="desk",
                                        count=2, duration=20))
        finally:
            stop.set()
            changer.join()
        self.assertEqual([e.name for e in events], ["ConfigurationChanged"] * 2)
        for event in events:
            properties = dict(event.properties)
            self.assertEqual(properties["ClientCookie"], "CliCook:desk")
            self.assertRegex(properties["Payload"], r"Hall-\d+\\u009b<")


if __name__ == "__main__":
    unittest.main()
