#pragma once

// The one query every client of the comparison sends: an XPath over the device's data model
// with one namespace prefix.
inline constexpr char kQueryPath[] = "string(//dd:Status/dd:State)";
inline constexpr char kQueryPrefix[] = "dd";
inline constexpr char kQueryNamespace[] =
    "http://schemas.orvanta.example/schemas/imaging/con/dictionaries/1.0/";
// The same pair as the proxy's prefix-map document.
inline constexpr char kQueryPrefixMap[] =
    "<PrefixMap><Prefix>dd</Prefix><URL>http://schemas.orvanta.example/schemas/imaging/con/"
    "dictionaries/1.0/</URL></PrefixMap>";
