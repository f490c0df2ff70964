// A host's own gSOAP service: another namespace and an operation the library knows nothing of.
//gsoap gst service name: Guest
//gsoap gst service namespace: urn:kavelin-test-guest
//gsoap gst service style: document
//gsoap gst service encoding: literal
int gst__Echo(std::string text, std::string& echo);
