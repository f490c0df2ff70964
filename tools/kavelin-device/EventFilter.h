#pragma once

#include "XdmStore.h"

#include <string>
#include <utility>
#include <vector>

// What a subscription's filter lets through of one set of data model changes.
//
// Each pair names a property of a change: Path (the changed leaf's XPath), Section (the top-level
// element it lies under), Element (the leaf's local name), Item (the `id` of the element holding
// the leaf) or Value (the new text); any other name is a sibling element of the changed leaf,
// such as Color for a consumable. Pairs with the same name are alternatives; pairs with
// different names must all match. Names and values are compared exactly; an empty filter lets
// every change through.
namespace kavelin::device {

using FilterPairs = std::vector<std::pair<std::string, std::string>>;

std::vector<XdmChange> FilterChanges(const FilterPairs& filter,
                                     const std::vector<XdmChange>& changes, const XdmStore& xdm);

} // namespace kavelin::device
