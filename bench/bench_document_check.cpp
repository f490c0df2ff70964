// What SetData's check of the host's document costs before it is sent: loading it in the XML
// component, for the small document a host typically writes and for a whole data model.
#include <benchmark/benchmark.h>

#include <string>

#include "os/xmldom/XmlDom.h"
#include "proxy/XdmDocumentCheck.h"

namespace {

constexpr char kDictionary[] =
    "http://schemas.orvanta.example/schemas/imaging/con/dictionaries/1.0/";

std::string SmallDocument() {
    return std::string("<dd:Printer xmlns:dd=\"") + kDictionary +
           "\"><dd:Identity><dd:Location>Room 7</dd:Location></dd:Identity></dd:Printer>";
}

// A data model of `trays` trays, each a handful of settable leaves.
std::string LargeDocument(int trays) {
    std::string document = std::string("<dd:Printer xmlns:dd=\"") + kDictionary + "\"><dd:Trays>";
    for (int i = 0; i < trays; ++i)
        document += "<dd:Tray id=\"" + std::to_string(i) +
                    "\"><dd:MediaType>Plain</dd:MediaType><dd:MediaSize>A4</dd:MediaSize>"
                    "<dd:Level>50</dd:Level></dd:Tray>";
    return document + "</dd:Trays></dd:Printer>";
}

void CheckDocument(benchmark::State& state, const std::string& document) {
    kavelin::os::RegisterXmlDomClass();
    for (auto _ : state)
        benchmark::DoNotOptimize(kavelin::proxy::WhyDocumentCannotBeSent(document));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * document.size()));
}

void BM_CheckSmallDocument(benchmark::State& state) {
    CheckDocument(state, SmallDocument());
}
BENCHMARK(BM_CheckSmallDocument);

void BM_CheckLargeDocument(benchmark::State& state) {
    CheckDocument(state, LargeDocument(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_CheckLargeDocument)->Arg(100)->Arg(10000);

} // namespace

BENCHMARK_MAIN();
