// Device dictionary types (prefix dd). The namespace directives live in the binding's main
// interface header; this file only declares types.

/// The XPath capability a device reports; payload of the XPath exception faults.
class dd__XPathExpressionSupport_t {
  public:
    struct soap *soap;
};
