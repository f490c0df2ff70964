// Code tables of the device dictionary enumerations, in value order, with their conversions.
#include "binding/CatalogueEnumCodec.h"

namespace {

const soap_code_map kAccessControlEnumCodes[] = {{dd__AccessControlEnum__denied, "denied"},
                                                 {dd__AccessControlEnum__allowed, "allowed"},
                                                 {0, nullptr}};

const soap_code_map kActionCodes[] = {{dd__Action__lock, "lock"},
                                      {dd__Action__get, "get"},
                                      {dd__Action__passwordProtection, "passwordProtection"},
                                      {dd__Action__set, "set"},
                                      {dd__Action__read, "read"},
                                      {dd__Action__write, "write"},
                                      {0, nullptr}};

const soap_code_map kAlienationTypeEnumCodes[] = {{dd__AlienationTypeEnum__none, "none"},
                                                  {dd__AlienationTypeEnum__developer, "developer"},
                                                  {dd__AlienationTypeEnum__OPC, "OPC"},
                                                  {dd__AlienationTypeEnum__total, "total"},
                                                  {0, nullptr}};

const soap_code_map kBookletPrintCodes[] = {{dd__BookletPrint__off, "off"},
                                            {dd__BookletPrint__LeftEdge, "LeftEdge"},
                                            {dd__BookletPrint__RightEdge, "RightEdge"},
                                            {0, nullptr}};

const soap_code_map kBooleanExpressionEnumCodes[] = {
    {dd__BooleanExpressionEnum__or, "or"}, {dd__BooleanExpressionEnum__and, "and"}, {0, nullptr}};

const soap_code_map kBooleanFuncEnumCodes[] = {{dd__BooleanFuncEnum__boolean, "boolean"},
                                               {dd__BooleanFuncEnum__false, "false"},
                                               {dd__BooleanFuncEnum__not, "not"},
                                               {dd__BooleanFuncEnum__true, "true"},
                                               {0, nullptr}};

const soap_code_map kBrandOptionsCodes[] = {{dd__BrandOptions__approvedOEM, "approvedOEM"},
                                            {dd__BrandOptions__clone, "clone"},
                                            {dd__BrandOptions__Orvanta, "Orvanta"},
                                            {dd__BrandOptions__nonApprovedOEM, "nonApprovedOEM"},
                                            {dd__BrandOptions__refill, "refill"},
                                            {dd__BrandOptions__unauthorized, "unauthorized"},
                                            {dd__BrandOptions__unknown, "unknown"},
                                            {0, nullptr}};

const soap_code_map kCategoryCodes[] = {
    {dd__Category__Device, "Device"},
    {dd__Category__Job, "Job"},
    {dd__Category__Service, "Service"},
    {dd__Category__SOE, "SOE"},
    {dd__Category__Device_x003aConsumable, "Device:Consumable"},
    {dd__Category__Device_x003aConsumable_x003aCartridge, "Device:Consumable:Cartridge"},
    {dd__Category__Device_x003aConsumable_x003aPrintHead, "Device:Consumable:PrintHead"},
    {0, nullptr}};

const soap_code_map kChangeTypeCodes[] = {{dd__ChangeType__Add, "Add"},
                                          {dd__ChangeType__Modify, "Modify"},
                                          {dd__ChangeType__Remove, "Remove"},
                                          {0, nullptr}};

const soap_code_map kChromaticModeCodes[] = {{dd__ChromaticMode__monochrome, "monochrome"},
                                             {dd__ChromaticMode__color, "color"},
                                             {dd__ChromaticMode__grayscale, "grayscale"},
                                             {dd__ChromaticMode__other, "other"},
                                             {0, nullptr}};

const soap_code_map kClearableWarningsCodes[] = {
    {dd__ClearableWarnings__job, "job"}, {dd__ClearableWarnings__on, "on"}, {0, nullptr}};

const soap_code_map kClockTypeCodes[] = {{dd__ClockType__jobAttr, "jobAttr"},
                                         {dd__ClockType__managementProtocol, "managementProtocol"},
                                         {dd__ClockType__network, "network"},
                                         {dd__ClockType__notSet, "notSet"},
                                         {dd__ClockType__realTimeClock, "realTimeClock"},
                                         {dd__ClockType__system, "system"},
                                         {dd__ClockType__timeserver, "timeserver"},
                                         {0, nullptr}};

const soap_code_map kConsumableContentTypeCodes[] = {
    {dd__ConsumableContentType__fixingAgent, "fixingAgent"},
    {dd__ConsumableContentType__markingAgent, "markingAgent"},
    {0, nullptr}};

const soap_code_map kCounterTypeEnumCodes[] = {
    {dd__CounterTypeEnum__job, "job"}, {dd__CounterTypeEnum__page, "page"}, {0, nullptr}};

const soap_code_map kCountScalingEnumCodes[] = {{dd__CountScalingEnum__unknown, "unknown"},
                                                {dd__CountScalingEnum__absolute, "absolute"},
                                                {dd__CountScalingEnum__equivalent, "equivalent"},
                                                {0, nullptr}};

const soap_code_map kDefaltIXAXPathTypeCodes[] = {
    {dd__DefaltIXAXPathType___x002fdescendant_x002dor_x002dself_x003a_x003a_x002a,
     "/descendant-or-self::*"},
    {dd__DefaltIXAXPathType___x002fdescendant_x003a_x003a_x002a, "/descendant::*"},
    {0, nullptr}};

const soap_code_map kDefaultPDLInterpreterOrientationCodes[] = {
    {dd__DefaultPDLInterpreterOrientation__Landscape, "Landscape"},
    {dd__DefaultPDLInterpreterOrientation__Portrait, "Portrait"},
    {0, nullptr}};

const soap_code_map kDigitalStorageTypeEnumCodes[] = {
    {dd__DigitalStorageTypeEnum__compactFlash, "compactFlash"},
    {dd__DigitalStorageTypeEnum__DIMM, "DIMM"},
    {dd__DigitalStorageTypeEnum__SIMM, "SIMM"},
    {dd__DigitalStorageTypeEnum__harddisk, "harddisk"},
    {dd__DigitalStorageTypeEnum__cd, "cd"},
    {dd__DigitalStorageTypeEnum__dvd, "dvd"},
    {dd__DigitalStorageTypeEnum__flash, "flash"},
    {dd__DigitalStorageTypeEnum__floppy, "floppy"},
    {dd__DigitalStorageTypeEnum__ram, "ram"},
    {dd__DigitalStorageTypeEnum__ramdisk, "ramdisk"},
    {dd__DigitalStorageTypeEnum__rom, "rom"},
    {dd__DigitalStorageTypeEnum__secureDigital, "secureDigital"},
    {0, nullptr}};

const soap_code_map kDimplexCodes[] = {{dd__Dimplex__dimplex, "dimplex"}, {0, nullptr}};

const soap_code_map kDuplexUnitCodes[] = {{dd__DuplexUnit__Installed, "Installed"},
                                          {dd__DuplexUnit__NotInstalled, "NotInstalled"},
                                          {0, nullptr}};

const soap_code_map kEmailMethodEnumsCodes[] = {{dd__EmailMethodEnums__method, "method"},
                                                {dd__EmailMethodEnums__service, "service"},
                                                {0, nullptr}};

const soap_code_map kEnableDisableCodes[] = {{dd__EnableDisable__enabled, "enabled"},
                                             {dd__EnableDisable__disabled, "disabled"},
                                             {0, nullptr}};

const soap_code_map kEnvFeederCodes[] = {{dd__EnvFeeder__Installed, "Installed"},
                                         {dd__EnvFeeder__NotInstalled, "NotInstalled"},
                                         {0, nullptr}};

const soap_code_map kEqualityExpressionEnumCodes[] = {
    {dd__EqualityExpressionEnum___x003d, "="},
    {dd__EqualityExpressionEnum___x0021_x003d, "!="},
    {0, nullptr}};

const soap_code_map kFaxCodes[] = {{dd__Fax__Yes, "Yes"}, {dd__Fax__No, "No"}, {0, nullptr}};

const soap_code_map kFaxMethodEnumsCodes[] = {{dd__FaxMethodEnums__lan, "lan"},
                                              {dd__FaxMethodEnums__ms, "ms"},
                                              {dd__FaxMethodEnums__internet, "internet"},
                                              {dd__FaxMethodEnums__embedded, "embedded"},
                                              {0, nullptr}};

const soap_code_map kFeedCodes[] = {{dd__Feed__Original, "Original"},
                                    {dd__Feed__MixedOriginal, "MixedOriginal"},
                                    {dd__Feed__ADF, "ADF"},
                                    {dd__Feed__RADF, "RADF"},
                                    {0, nullptr}};

const soap_code_map kFinishFunctionCodes[] = {
    {dd__FinishFunction__None, "None"},         {dd__FinishFunction__Punch, "Punch"},
    {dd__FinishFunction__Offset, "Offset"},     {dd__FinishFunction__Stapler, "Stapler"},
    {dd__FinishFunction__Finisher, "Finisher"}, {0, nullptr}};

const soap_code_map kFitToOtherSizeCodes[] = {
    {dd__FitToOtherSize__PrintActualSize, "PrintActualSize"},
    {dd__FitToOtherSize__FitToOtherSize, "FitToOtherSize"},
    {0, nullptr}};

const soap_code_map kFoldCodes[] = {{dd__Fold__Z, "Z"}, {dd__Fold__Other, "Other"}, {0, nullptr}};

const soap_code_map kFontSourceCodes[] = {
    {dd__FontSource__Internal, "Internal"}, {dd__FontSource__PermanentSoft, "PermanentSoft"},
    {dd__FontSource__ROMSIMM1, "ROMSIMM1"}, {dd__FontSource__ROMSIMM2, "ROMSIMM2"},
    {dd__FontSource__ROMSIMM3, "ROMSIMM3"}, {dd__FontSource__ROMSIMM4, "ROMSIMM4"},
    {dd__FontSource__ROMSIMM5, "ROMSIMM5"}, {dd__FontSource__USB1, "USB1"},
    {dd__FontSource__USB2, "USB2"},         {dd__FontSource__USB3, "USB3"},
    {dd__FontSource__USB4, "USB4"},         {0, nullptr}};

const soap_code_map kImageEdgeBindingCodes[] = {{dd__ImageEdgeBinding__longEdge, "longEdge"},
                                                {dd__ImageEdgeBinding__shortEdge, "shortEdge"},
                                                {0, nullptr}};

const soap_code_map kImageFileEnumsCodes[] = {{dd__ImageFileEnums__pdf, "pdf"},
                                              {dd__ImageFileEnums__tiff, "tiff"},
                                              {dd__ImageFileEnums__mtiff, "mtiff"},
                                              {dd__ImageFileEnums__jpeg, "jpeg"},
                                              {0, nullptr}};

const soap_code_map kImageTypeCodes[] = {{dd__ImageType__Images, "Images"},
                                         {dd__ImageType__TextOrDrawings, "TextOrDrawings"},
                                         {0, nullptr}};

const soap_code_map kIntervalTypeCodes[] = {{dd__IntervalType__job, "job"},
                                            {dd__IntervalType__impressions, "impressions"},
                                            {dd__IntervalType__sheets, "sheets"},
                                            {0, nullptr}};

const soap_code_map kIOStatusCodes[] = {{dd__IOStatus__active, "active"},
                                        {dd__IOStatus__initializing, "initializing"},
                                        {dd__IOStatus__notActive, "notActive"},
                                        {0, nullptr}};

const soap_code_map kIPv4ConfigMethodCodes[] = {{dd__IPv4ConfigMethod__MANUAL, "MANUAL"},
                                                {dd__IPv4ConfigMethod__BOOTP, "BOOTP"},
                                                {dd__IPv4ConfigMethod__DHCP, "DHCP"},
                                                {dd__IPv4ConfigMethod__AUTO_IP, "AUTO_IP"},
                                                {0, nullptr}};

const soap_code_map kIPv6ConfigMethodCodes[] = {{dd__IPv6ConfigMethod__MANUAL, "MANUAL"},
                                                {dd__IPv6ConfigMethod__LINK_LOCAL, "LINK_LOCAL"},
                                                {dd__IPv6ConfigMethod__STATELESS, "STATELESS"},
                                                {dd__IPv6ConfigMethod__DHCPv6, "DHCPv6"},
                                                {dd__IPv6ConfigMethod__UNKNOWN, "UNKNOWN"},
                                                {0, nullptr}};

const soap_code_map kJamRecoveryCodes[] = {{dd__JamRecovery__auto, "auto"},
                                           {dd__JamRecovery__off, "off"},
                                           {dd__JamRecovery__on, "on"},
                                           {0, nullptr}};

const soap_code_map kJobHoldModeCodes[] = {{dd__JobHoldMode__On, "On"},
                                           {dd__JobHoldMode__Off, "Off"},
                                           {dd__JobHoldMode__ProofNHold, "ProofNHold"},
                                           {dd__JobHoldMode__HoldJob, "HoldJob"},
                                           {dd__JobHoldMode__StoreJob, "StoreJob"},
                                           {dd__JobHoldMode__PrivatePrint, "PrivatePrint"},
                                           {0, nullptr}};

const soap_code_map kJobInputAutoContinueModeCodes[] = {
    {dd__JobInputAutoContinueMode__cancelJob, "cancelJob"},
    {dd__JobInputAutoContinueMode__autoMediaSizeOverride, "autoMediaSizeOverride"},
    {dd__JobInputAutoContinueMode__autoMediaNameOverride, "autoMediaNameOverride"},
    {dd__JobInputAutoContinueMode__USMediaSizeOverride, "USMediaSizeOverride"},
    {dd__JobInputAutoContinueMode__ISOMediaSizeOverride, "ISOMediaSizeOverride"},
    {0, nullptr}};

const soap_code_map kLocationPathAbbrvEnumCodes[] = {
    {dd__LocationPathAbbrvEnum__abbrv__x0040, "abbrv_@"},
    {dd__LocationPathAbbrvEnum__abbrv__x002e, "abbrv_."},
    {dd__LocationPathAbbrvEnum__abbrv__x002e_x002e, "abbrv_.."},
    {dd__LocationPathAbbrvEnum__abbrv__x002f_x002f, "abbrv_//"},
    {dd__LocationPathAbbrvEnum__abbrv__x005bnumber_x005d, "abbrv_[number]"},
    {0, nullptr}};

const soap_code_map kLocationPathEnumCodes[] = {{dd__LocationPathEnum___x002f, "/"},
                                                {dd__LocationPathEnum___x002f_x002f, "//"},
                                                {dd__LocationPathEnum___x007c, "|"},
                                                {0, nullptr}};

const soap_code_map kLocationTypeEnumCodes[] = {{dd__LocationTypeEnum__external, "external"},
                                                {dd__LocationTypeEnum__integrated, "integrated"},
                                                {dd__LocationTypeEnum__side, "side"},
                                                {dd__LocationTypeEnum__slot, "slot"},
                                                {0, nullptr}};

const soap_code_map kMarginIntentCodes[] = {
    {dd__MarginIntent__Clip, "Clip"}, {dd__MarginIntent__ScaleToFit, "ScaleToFit"}, {0, nullptr}};

const soap_code_map kMarginsTypeCodes[] = {{dd__MarginsType__fullBleed, "fullBleed"},
                                           {dd__MarginsType__normal, "normal"},
                                           {dd__MarginsType__reduced, "reduced"},
                                           {0, nullptr}};

const soap_code_map kMarkerTypeCodes[] = {{dd__MarkerType__bits, "bits"},
                                          {dd__MarkerType__glossOptimizer, "glossOptimizer"},
                                          {dd__MarkerType__ink, "ink"},
                                          {dd__MarkerType__toner, "toner"},
                                          {0, nullptr}};

const soap_code_map kMarkingAgentActionCodes[] = {{dd__MarkingAgentAction__continue, "continue"},
                                                  {dd__MarkingAgentAction__stop, "stop"},
                                                  {0, nullptr}};

const soap_code_map kMeasuredQuantityStateCodes[] = {
    {dd__MeasuredQuantityState__ok, "ok"},
    {dd__MeasuredQuantityState__low, "low"},
    {dd__MeasuredQuantityState__veryLow, "veryLow"},
    {dd__MeasuredQuantityState__out, "out"},
    {dd__MeasuredQuantityState__unknown, "unknown"},
    {dd__MeasuredQuantityState__missing, "missing"},
    {0, nullptr}};

const soap_code_map kMeasurementSourceCodes[] = {
    {dd__MeasurementSource__system, "system"},
    {dd__MeasurementSource__elabel, "elabel"},
    {dd__MeasurementSource__maker_x002dchip, "maker-chip"},
    {dd__MeasurementSource__other_x002dchip, "other-chip"},
    {dd__MeasurementSource__unknown, "unknown"},
    {0, nullptr}};

const soap_code_map kMopierFunctionSettingCodes[] = {
    {dd__MopierFunctionSetting__Off, "Off"},
    {dd__MopierFunctionSetting__On, "On"},
    {dd__MopierFunctionSetting__Enhanced, "Enhanced"},
    {0, nullptr}};

const soap_code_map kNameTestEnumCodes[] = {{dd__NameTestEnum__nametest_QName, "nametest_QName"},
                                            {dd__NameTestEnum__nametest__x002a, "nametest_*"},
                                            {0, nullptr}};

const soap_code_map kNetworkInterfaceTypeEnumCodes[] = {
    {dd__NetworkInterfaceTypeEnum__embedded, "embedded"},
    {dd__NetworkInterfaceTypeEnum__internalCardSlot, "internalCardSlot"},
    {dd__NetworkInterfaceTypeEnum__externalCardSlot, "externalCardSlot"},
    {0, nullptr}};

const soap_code_map kNodeSetFuncEnumCodes[] = {
    {dd__NodeSetFuncEnum__id, "id"},
    {dd__NodeSetFuncEnum__lang, "lang"},
    {dd__NodeSetFuncEnum__last, "last"},
    {dd__NodeSetFuncEnum__local_x002dname, "local-name"},
    {dd__NodeSetFuncEnum__name, "name"},
    {dd__NodeSetFuncEnum__namespace_x002duri, "namespace-uri"},
    {dd__NodeSetFuncEnum__position, "position"},
    {0, nullptr}};

const soap_code_map kNumberFuncEnumCodes[] = {{dd__NumberFuncEnum__ceiling, "ceiling"},
                                              {dd__NumberFuncEnum__count, "count"},
                                              {dd__NumberFuncEnum__floor, "floor"},
                                              {dd__NumberFuncEnum__number, "number"},
                                              {dd__NumberFuncEnum__round, "round"},
                                              {dd__NumberFuncEnum__sum, "sum"},
                                              {0, nullptr}};

const soap_code_map kNumericalExpressionEnumCodes[] = {
    {dd__NumericalExpressionEnum___x002b, "+"},
    {dd__NumericalExpressionEnum___x002d, "-"},
    {dd__NumericalExpressionEnum__div, "div"},
    {dd__NumericalExpressionEnum__mod, "mod"},
    {dd__NumericalExpressionEnum___x002a, "*"},
    {dd__NumericalExpressionEnum___x002d_x0028unary_x0029, "-(unary)"},
    {0, nullptr}};

const soap_code_map kOnOffCodes[] = {{dd__OnOff__on, "on"}, {dd__OnOff__off, "off"}, {0, nullptr}};

const soap_code_map kOnOffLineCodes[] = {
    {dd__OnOffLine__online, "online"}, {dd__OnOffLine__offline, "offline"}, {0, nullptr}};

const soap_code_map kOrvantaDeviceStateWKVCodes[] = {
    {dd__OrvantaDeviceStateWKV__calibrating, "calibrating"},
    {dd__OrvantaDeviceStateWKV__canceling, "canceling"},
    {dd__OrvantaDeviceStateWKV__drying, "drying"},
    {dd__OrvantaDeviceStateWKV__error, "error"},
    {dd__OrvantaDeviceStateWKV__initializing, "initializing"},
    {dd__OrvantaDeviceStateWKV__laminating, "laminating"},
    {dd__OrvantaDeviceStateWKV__ready, "ready"},
    {dd__OrvantaDeviceStateWKV__receiving, "receiving"},
    {dd__OrvantaDeviceStateWKV__paused, "paused"},
    {dd__OrvantaDeviceStateWKV__printing, "printing"},
    {dd__OrvantaDeviceStateWKV__sleeping, "sleeping"},
    {0, nullptr}};

const soap_code_map kOrvantaDocumentTypeEnumCodes[] = {
    {dd__OrvantaDocumentTypeEnum__PCL5, "PCL5"},
    {dd__OrvantaDocumentTypeEnum__PCL6, "PCL6"},
    {dd__OrvantaDocumentTypeEnum__PostScript, "PostScript"},
    {dd__OrvantaDocumentTypeEnum__PDF, "PDF"},
    {dd__OrvantaDocumentTypeEnum__TIFF, "TIFF"},
    {dd__OrvantaDocumentTypeEnum__JPEG, "JPEG"},
    {0, nullptr}};

const soap_code_map kOrvantaFinishingsWKVCodes[] = {{dd__OrvantaFinishingsWKV__Stitch, "Stitch"},
                                                    {0, nullptr}};

const soap_code_map kOrvantaJobSheetsWKVCodes[] = {
    {dd__OrvantaJobSheetsWKV__Full, "Full"},   {dd__OrvantaJobSheetsWKV__Brief, "Brief"},
    {dd__OrvantaJobSheetsWKV__None, "None"},   {dd__OrvantaJobSheetsWKV__Blank, "Blank"},
    {dd__OrvantaJobSheetsWKV__Retry, "Retry"}, {0, nullptr}};

const soap_code_map kOrvantaMediaTypeWKVCodes[] = {
    {dd__OrvantaMediaTypeWKV__ORVANTA_ANY_SUPPORTED_TYPE, "ORVANTA_ANY_SUPPORTED_TYPE"},
    {dd__OrvantaMediaTypeWKV__ORVANTA_AUTO, "ORVANTA_AUTO"},
    {dd__OrvantaMediaTypeWKV__ORVANTA_BOND, "ORVANTA_BOND"},
    {dd__OrvantaMediaTypeWKV__ORVANTA_COLOR, "ORVANTA_COLOR"},
    {dd__OrvantaMediaTypeWKV__ORVANTA_EXTRA_x002dHEAVY, "ORVANTA_EXTRA-HEAVY"},
    {dd__OrvantaMediaTypeWKV__ORVANTA_EXTRA_x002dHEAVY_x002dGLOSS, "ORVANTA_EXTRA-HEAVY-GLOSS"},
    {dd__OrvantaMediaTypeWKV__ORVANTA_INTERMEDIATE, "ORVANTA_INTERMEDIATE"},
    {dd__OrvantaMediaTypeWKV__ORVANTA_PLAIN, "ORVANTA_PLAIN"},
    {dd__OrvantaMediaTypeWKV__ORVANTA_RECYCLED, "ORVANTA_RECYCLED"},
    {dd__OrvantaMediaTypeWKV__ORVANTA_ROUGH, "ORVANTA_ROUGH"},
    {0, nullptr}};

const soap_code_map kOrvantaPrintQualityWKVCodes[] = {
    {dd__OrvantaPrintQualityWKV__Best, "Best"},
    {dd__OrvantaPrintQualityWKV__Custom, "Custom"},
    {dd__OrvantaPrintQualityWKV__Default, "Default"},
    {dd__OrvantaPrintQualityWKV__FastNormal, "FastNormal"},
    {dd__OrvantaPrintQualityWKV__Marvelous, "Marvelous"},
    {dd__OrvantaPrintQualityWKV__SuperDraft, "SuperDraft"},
    {0, nullptr}};

const soap_code_map kPageBordersCodes[] = {{dd__PageBorders__PrintBorders, "PrintBorders"},
                                           {dd__PageBorders__NoBorders, "NoBorders"},
                                           {dd__PageBorders__DashedBorders, "DashedBorders"},
                                           {0, nullptr}};

const soap_code_map kPageOrientationCodes[] = {{dd__PageOrientation__FaceUp, "FaceUp"},
                                               {dd__PageOrientation__FaceDown, "FaceDown"},
                                               {dd__PageOrientation__FaceBoth, "FaceBoth"},
                                               {dd__PageOrientation__FaceUnknown, "FaceUnknown"},
                                               {0, nullptr}};

const soap_code_map kPagesPerSheetOrderCodes[] = {
    {dd__PagesPerSheetOrder__RightThenDown, "RightThenDown"},
    {dd__PagesPerSheetOrder__DownThenRight, "DownThenRight"},
    {dd__PagesPerSheetOrder__LeftThenDown, "LeftThenDown"},
    {dd__PagesPerSheetOrder__DownThenLeft, "DownThenLeft"},
    {0, nullptr}};

const soap_code_map kPaperSourceCodes[] = {{dd__PaperSource__default, "default"},
                                           {dd__PaperSource__optionalTray, "optionalTray"},
                                           {0, nullptr}};

const soap_code_map kParallelPortSpeedCodes[] = {
    {dd__ParallelPortSpeed__fast, "fast"}, {dd__ParallelPortSpeed__slow, "slow"}, {0, nullptr}};

const soap_code_map kPlexCodes[] = {
    {dd__Plex__Simplex, "Simplex"}, {dd__Plex__Duplex, "Duplex"}, {0, nullptr}};

const soap_code_map kPortConfigurationCodes[] = {
    {dd__PortConfiguration__AUTO, "AUTO"},
    {dd__PortConfiguration__10TX_HALF, "10TX_HALF"},
    {dd__PortConfiguration__10TX_FULL, "10TX_FULL"},
    {dd__PortConfiguration__100TX_HALF, "100TX_HALF"},
    {dd__PortConfiguration__100TX_FULL, "100TX_FULL"},
    {dd__PortConfiguration__1000TX_FULL, "1000TX_FULL"},
    {dd__PortConfiguration__S100, "S100"},
    {dd__PortConfiguration__S200, "S200"},
    {dd__PortConfiguration__S400, "S400"},
    {dd__PortConfiguration__S800, "S800"},
    {dd__PortConfiguration__S1600, "S1600"},
    {0, nullptr}};

const soap_code_map kPrinterHardDiskCodes[] = {{dd__PrinterHardDisk__Installed, "Installed"},
                                               {dd__PrinterHardDisk__NotInstalled, "NotInstalled"},
                                               {0, nullptr}};

const soap_code_map kPrintResolutionSettingCodes[] = {
    {dd__PrintResolutionSetting__fast300dpi, "fast300dpi"},
    {dd__PrintResolutionSetting__fast600dpi, "fast600dpi"},
    {dd__PrintResolutionSetting__fast1200dpi, "fast1200dpi"},
    {dd__PrintResolutionSetting__pro1200dpi, "pro1200dpi"},
    {dd__PrintResolutionSetting__4800dpi, "4800dpi"},
    {0, nullptr}};

const soap_code_map kPrintSidesCodes[] = {
    {dd__PrintSides__Single, "Single"}, {dd__PrintSides__Double, "Double"}, {0, nullptr}};

const soap_code_map kPrintSpeedUnitCodes[] = {{dd__PrintSpeedUnit__half, "half"},
                                              {dd__PrintSpeedUnit__quarter, "quarter"},
                                              {dd__PrintSpeedUnit__third, "third"},
                                              {0, nullptr}};

const soap_code_map kRAMDiskSupportCodes[] = {
    {dd__RAMDiskSupport__auto, "auto"}, {dd__RAMDiskSupport__off, "off"}, {0, nullptr}};

const soap_code_map kRelationalExpressionEnumCodes[] = {
    {dd__RelationalExpressionEnum___x003c_x003d, "<="},
    {dd__RelationalExpressionEnum___x003c, "<"},
    {dd__RelationalExpressionEnum___x003e_x003d, ">="},
    {dd__RelationalExpressionEnum___x003e, ">"},
    {0, nullptr}};

const soap_code_map kScalePageCodes[] = {{dd__ScalePage__ScaleToFit, "ScaleToFit"},
                                         {dd__ScalePage__FitWithoutScaling, "FitWithoutScaling"},
                                         {0, nullptr}};

const soap_code_map kSensorMeasurementTypeCodes[] = {
    {dd__SensorMeasurementType__analog, "analog"},
    {dd__SensorMeasurementType__digital, "digital"},
    {0, nullptr}};

const soap_code_map kSettingsValuesCodes[] = {{dd__SettingsValues__auto, "auto"},
                                              {dd__SettingsValues__continue, "continue"},
                                              {dd__SettingsValues__disabled, "disabled"},
                                              {dd__SettingsValues__enabled, "enabled"},
                                              {dd__SettingsValues__fast, "fast"},
                                              {dd__SettingsValues__job, "job"},
                                              {dd__SettingsValues__off, "off"},
                                              {dd__SettingsValues__on, "on"},
                                              {dd__SettingsValues__slow, "slow"},
                                              {dd__SettingsValues__stop, "stop"},
                                              {0, nullptr}};

const soap_code_map kSeverityCodes[] = {
    {dd__Severity__Fatal, "Fatal"},     {dd__Severity__Error, "Error"},
    {dd__Severity__Warning, "Warning"}, {dd__Severity__Info, "Info"},
    {dd__Severity__Debug, "Debug"},     {0, nullptr}};

const soap_code_map kShowIPAddressCodes[] = {
    {dd__ShowIPAddress__auto, "auto"}, {dd__ShowIPAddress__off, "off"}, {0, nullptr}};

const soap_code_map kSourceTypeCodes[] = {{dd__SourceType__HTTP_Reference, "HTTP_Reference"},
                                          {dd__SourceType__HTTP_Post, "HTTP_Post"},
                                          {dd__SourceType__Inline, "Inline"},
                                          {dd__SourceType__iSink, "iSink"},
                                          {dd__SourceType__iSource, "iSource"},
                                          {0, nullptr}};

const soap_code_map kStringFuncEnumCodes[] = {
    {dd__StringFuncEnum__concat, "concat"},
    {dd__StringFuncEnum__contains, "contains"},
    {dd__StringFuncEnum__normalize_x002dspace, "normalize-space"},
    {dd__StringFuncEnum__starts_x002dwith, "starts-with"},
    {dd__StringFuncEnum__string, "string"},
    {dd__StringFuncEnum__string_x002dlength, "string-length"},
    {dd__StringFuncEnum__substring, "substring"},
    {dd__StringFuncEnum__substring_x002dafter, "substring-after"},
    {dd__StringFuncEnum__substring_x002dbefore, "substring-before"},
    {dd__StringFuncEnum__translate, "translate"},
    {0, nullptr}};

const soap_code_map kTrayStateCodes[] = {
    {dd__TrayState__disabled, "disabled"},
    {dd__TrayState__error, "error"},
    {dd__TrayState__initializing, "initializing"},
    {dd__TrayState__installed, "installed"},
    {dd__TrayState__leverLifted, "leverLifted"},
    {dd__TrayState__loading, "loading"},
    {dd__TrayState__open, "open"},
    {dd__TrayState__ready, "ready"},
    {dd__TrayState__standBy, "standBy"},
    {dd__TrayState__trackingLength, "trackingLength"},
    {dd__TrayState__trayMediaMispositioned, "trayMediaMispositioned"},
    {dd__TrayState__trayWrongFormat, "trayWrongFormat"},
    {0, nullptr}};

const soap_code_map kTypeTestEnumCodes[] = {
    {dd__TypeTestEnum__text_x0028_x0029, "text()"},
    {dd__TypeTestEnum__comment_x0028_x0029, "comment()"},
    {dd__TypeTestEnum__processing_x002dinstruction_x0028target_x003f_x0029,
     "processing-instruction(target?)"},
    {dd__TypeTestEnum__node_x0028_x0029, "node()"},
    {0, nullptr}};

const soap_code_map kUnitsCodes[] = {
    {dd__Units__enum_x002d1_x003aHundredths_x002dMillimeter, "enum-1:Hundredths-Millimeter"},
    {dd__Units__enum_x002d1_x003aDPI, "enum-1:DPI"},
    {dd__Units__enum_x002d1_x003aThousandths_x002dInch, "enum-1:Thousandths-Inch"},
    {0, nullptr}};

const soap_code_map kValueTypeCodes[] = {{dd__ValueType__boolean, "boolean"},
                                         {dd__ValueType__float, "float"},
                                         {dd__ValueType__integer, "integer"},
                                         {0, nullptr}};

const soap_code_map kWarrantyStatusOptionsCodes[] = {
    {dd__WarrantyStatusOptions__active, "active"},
    {dd__WarrantyStatusOptions__expired, "expired"},
    {dd__WarrantyStatusOptions__void, "void"},
    {dd__WarrantyStatusOptions__revoked, "revoked"},
    {dd__WarrantyStatusOptions__unknown, "unknown"},
    {0, nullptr}};

const soap_code_map kAxisEnumTypeCodes[] = {
    {dd__AxisEnumType__self, "self"},
    {dd__AxisEnumType__child, "child"},
    {dd__AxisEnumType__parent, "parent"},
    {dd__AxisEnumType__descendant, "descendant"},
    {dd__AxisEnumType__descendant_x002dor_x002dself, "descendant-or-self"},
    {dd__AxisEnumType__ancestor, "ancestor"},
    {dd__AxisEnumType__ancestor_x002dor_x002dself, "ancestor-or-self"},
    {dd__AxisEnumType__following, "following"},
    {dd__AxisEnumType__following_x002dsibling, "following-sibling"},
    {dd__AxisEnumType__preceding, "preceding"},
    {dd__AxisEnumType__preceding_x002dsibling, "preceding-sibling"},
    {dd__AxisEnumType__attribute, "attribute"},
    {dd__AxisEnumType__namespace, "namespace"},
    {0, nullptr}};

const soap_code_map kComponentTypeEnumCodes[] = {
    {dd__ComponentTypeEnum__bus, "bus"},
    {dd__ComponentTypeEnum__board, "board"},
    {dd__ComponentTypeEnum__copier, "copier"},
    {dd__ComponentTypeEnum__copy, "copy"},
    {dd__ComponentTypeEnum__consumable, "consumable"},
    {dd__ComponentTypeEnum__controlPanel, "controlPanel"},
    {dd__ComponentTypeEnum__digitalStorage, "digitalStorage"},
    {dd__ComponentTypeEnum__digitalSend, "digitalSend"},
    {dd__ComponentTypeEnum__email, "email"},
    {dd__ComponentTypeEnum__fax, "fax"},
    {dd__ComponentTypeEnum__faxHW, "faxHW"},
    {dd__ComponentTypeEnum__feeder, "feeder"},
    {dd__ComponentTypeEnum__io, "io"},
    {dd__ComponentTypeEnum__mediaInput, "mediaInput"},
    {dd__ComponentTypeEnum__mediaOutput, "mediaOutput"},
    {dd__ComponentTypeEnum__print, "print"},
    {dd__ComponentTypeEnum__printEngine, "printEngine"},
    {dd__ComponentTypeEnum__scan, "scan"},
    {dd__ComponentTypeEnum__scanner, "scanner"},
    {dd__ComponentTypeEnum__sensor, "sensor"},
    {dd__ComponentTypeEnum__system, "system"},
    {dd__ComponentTypeEnum__other, "other"},
    {0, nullptr}};

const soap_code_map kConsumableLabelCodesCodes[] = {
    {dd__ConsumableLabelCodes__B, "B"},   {dd__ConsumableLabelCodes__C, "C"},
    {dd__ConsumableLabelCodes__dg, "dg"}, {dd__ConsumableLabelCodes__E, "E"},
    {dd__ConsumableLabelCodes__G, "G"},   {dd__ConsumableLabelCodes__GN, "GN"},
    {dd__ConsumableLabelCodes__K, "K"},   {dd__ConsumableLabelCodes__lc, "lc"},
    {dd__ConsumableLabelCodes__lg, "lg"}, {dd__ConsumableLabelCodes__lm, "lm"},
    {dd__ConsumableLabelCodes__M, "M"},   {dd__ConsumableLabelCodes__mK, "mK"},
    {dd__ConsumableLabelCodes__O, "O"},   {dd__ConsumableLabelCodes__pK, "pK"},
    {dd__ConsumableLabelCodes__R, "R"},   {dd__ConsumableLabelCodes__V, "V"},
    {dd__ConsumableLabelCodes__Y, "Y"},   {0, nullptr}};

const soap_code_map kConsumableStateCodes[] = {
    {dd__ConsumableState__defectiveMemory, "defectiveMemory"},
    {dd__ConsumableState__expired, "expired"},
    {dd__ConsumableState__failed, "failed"},
    {dd__ConsumableState__geniuneOrvantaUnsupported, "geniuneOrvantaUnsupported"},
    {dd__ConsumableState__incorrectConsumable, "incorrectConsumable"},
    {dd__ConsumableState__invalidStatus, "invalidStatus"},
    {dd__ConsumableState__missing, "missing"},
    {dd__ConsumableState__missingMemory, "missingMemory"},
    {dd__ConsumableState__ok, "ok"},
    {dd__ConsumableState__pendingRemove, "pendingRemove"},
    {dd__ConsumableState__pendingReplace, "pendingReplace"},
    {dd__ConsumableState__pendingReseat, "pendingReseat"},
    {dd__ConsumableState__refilled, "refilled"},
    {dd__ConsumableState__unknown, "unknown"},
    {0, nullptr}};

const soap_code_map kConsumableTypeEnumCodes[] = {
    {dd__ConsumableTypeEnum__adfMaintKit, "adfMaintKit"},
    {dd__ConsumableTypeEnum__cleaner, "cleaner"},
    {dd__ConsumableTypeEnum__fuser, "fuser"},
    {dd__ConsumableTypeEnum__imageCleaningKit, "imageCleaningKit"},
    {dd__ConsumableTypeEnum__imageDrum, "imageDrum"},
    {dd__ConsumableTypeEnum__imageFuserKit, "imageFuserKit"},
    {dd__ConsumableTypeEnum__imageTransferKit, "imageTransferKit"},
    {dd__ConsumableTypeEnum__ink, "ink"},
    {dd__ConsumableTypeEnum__inkCartridge, "inkCartridge"},
    {dd__ConsumableTypeEnum__inkRibbon, "inkRibbon"},
    {dd__ConsumableTypeEnum__preventiveMaintenanceKit, "preventiveMaintenanceKit"},
    {dd__ConsumableTypeEnum__printhead, "printhead"},
    {dd__ConsumableTypeEnum__toner, "toner"},
    {dd__ConsumableTypeEnum__tonerCartridge, "tonerCartridge"},
    {0, nullptr}};

const soap_code_map kInputBinCodes[] = {{dd__InputBin__ADF, "ADF"},
                                        {dd__InputBin__EnvFeed, "EnvFeed"},
                                        {dd__InputBin__Flatbed, "Flatbed"},
                                        {dd__InputBin__PrinterSelect, "PrinterSelect"},
                                        {dd__InputBin__Tray1, "Tray1"},
                                        {dd__InputBin__Tray2, "Tray2"},
                                        {dd__InputBin__Tray3, "Tray3"},
                                        {dd__InputBin__Tray4, "Tray4"},
                                        {dd__InputBin__Tray5, "Tray5"},
                                        {dd__InputBin__Tray6, "Tray6"},
                                        {dd__InputBin__Tray7, "Tray7"},
                                        {dd__InputBin__Tray8, "Tray8"},
                                        {dd__InputBin__Tray9, "Tray9"},
                                        {dd__InputBin__Tray10, "Tray10"},
                                        {dd__InputBin__Tray11, "Tray11"},
                                        {dd__InputBin__Tray12, "Tray12"},
                                        {dd__InputBin__Tray13, "Tray13"},
                                        {dd__InputBin__Tray14, "Tray14"},
                                        {dd__InputBin__Tray15, "Tray15"},
                                        {dd__InputBin__Roll1, "Roll1"},
                                        {dd__InputBin__Roll2, "Roll2"},
                                        {dd__InputBin__Roll3, "Roll3"},
                                        {dd__InputBin__Roll4, "Roll4"},
                                        {dd__InputBin__ManualFeed, "ManualFeed"},
                                        {dd__InputBin__RearManualFeed, "RearManualFeed"},
                                        {dd__InputBin__PhotoTray, "PhotoTray"},
                                        {dd__InputBin__MultiPurpose_Tray, "MultiPurpose_Tray"},
                                        {dd__InputBin__External, "External"},
                                        {dd__InputBin__Other, "Other"},
                                        {0, nullptr}};

const soap_code_map kOrvantaMediaSizeWKVCodes[] = {
    {dd__OrvantaMediaSizeWKV__a3_or_ledger, "a3_or_ledger"},
    {dd__OrvantaMediaSizeWKV__a4_or_letter, "a4_or_letter"},
    {dd__OrvantaMediaSizeWKV__any, "any"},
    {dd__OrvantaMediaSizeWKV__any_custom, "any_custom"},
    {dd__OrvantaMediaSizeWKV__b4_or_legal, "b4_or_legal"},
    {dd__OrvantaMediaSizeWKV__b5_or_executive, "b5_or_executive"},
    {dd__OrvantaMediaSizeWKV__custom, "custom"},
    {dd__OrvantaMediaSizeWKV__custom_or_other, "custom_or_other"},
    {dd__OrvantaMediaSizeWKV__iso_a4_x002drot_210x297mm, "iso_a4-rot_210x297mm"},
    {dd__OrvantaMediaSizeWKV__na_arch_x002de1_30x42in, "na_arch-e1_30x42in"},
    {dd__OrvantaMediaSizeWKV__na_arch_x002de2_26x38in, "na_arch-e2_26x38in"},
    {dd__OrvantaMediaSizeWKV__na_arch_x002de3_27x39in, "na_arch-e3_27x39in"},
    {dd__OrvantaMediaSizeWKV__na_letter_x002drot_8_x002e5x11in, "na_letter-rot_8.5x11in"},
    {dd__OrvantaMediaSizeWKV__na_tabloid_x002dextra_12x18in, "na_tabloid-extra_12x18in"},
    {dd__OrvantaMediaSizeWKV__prc_8k_260x368mm, "prc_8k_260x368mm"},
    {dd__OrvantaMediaSizeWKV__prc_8k_270x390mm, "prc_8k_270x390mm"},
    {dd__OrvantaMediaSizeWKV__prc_16k_184x260mm, "prc_16k_184x260mm"},
    {dd__OrvantaMediaSizeWKV__prc_16k_195x270mm, "prc_16k_195x270mm"},
    {dd__OrvantaMediaSizeWKV__unknown, "unknown"},
    {0, nullptr}};

const soap_code_map kOrvantaOutputBinWKVCodes[] = {
    {dd__OrvantaOutputBinWKV__Auto, "Auto"},
    {dd__OrvantaOutputBinWKV__OutputBin1, "OutputBin1"},
    {dd__OrvantaOutputBinWKV__OutputBin2, "OutputBin2"},
    {dd__OrvantaOutputBinWKV__OutputBin3, "OutputBin3"},
    {dd__OrvantaOutputBinWKV__OutputBin4, "OutputBin4"},
    {dd__OrvantaOutputBinWKV__OutputBin5, "OutputBin5"},
    {dd__OrvantaOutputBinWKV__OutputBin6, "OutputBin6"},
    {dd__OrvantaOutputBinWKV__OutputBin7, "OutputBin7"},
    {dd__OrvantaOutputBinWKV__OutputBin8, "OutputBin8"},
    {dd__OrvantaOutputBinWKV__Stapler, "Stapler"},
    {dd__OrvantaOutputBinWKV__Stacker, "Stacker"},
    {dd__OrvantaOutputBinWKV__Collator, "Collator"},
    {dd__OrvantaOutputBinWKV__Stacker_x002dStaples, "Stacker-Staples"},
    {dd__OrvantaOutputBinWKV__StackerFaceUp, "StackerFaceUp"},
    {dd__OrvantaOutputBinWKV__StackerFaceDown, "StackerFaceDown"},
    {dd__OrvantaOutputBinWKV__Booklet, "Booklet"},
    {dd__OrvantaOutputBinWKV__External, "External"},
    {dd__OrvantaOutputBinWKV__Other, "Other"},
    {0, nullptr}};

const soap_code_map kUnitCodes[] = {
    {dd__Unit__1KImpressionsAt5PercentCoverage, "1KImpressionsAt5PercentCoverage"},
    {dd__Unit__10KImpressionsAt5PercentCoverage, "10KImpressionsAt5PercentCoverage"},
    {dd__Unit__bit, "bit"},
    {dd__Unit__byte, "byte"},
    {dd__Unit__bytes, "bytes"},
    {dd__Unit__celsius, "celsius"},
    {dd__Unit__characters, "characters"},
    {dd__Unit__dotRows, "dotRows"},
    {dd__Unit__drops, "drops"},
    {dd__Unit__feet, "feet"},
    {dd__Unit__femtoliters, "femtoliters"},
    {dd__Unit__grams, "grams"},
    {dd__Unit__gigabyte, "gigabyte"},
    {dd__Unit__hours, "hours"},
    {dd__Unit__hundredthsOfFluidOunces, "hundredthsOfFluidOunces"},
    {dd__Unit__impressions, "impressions"},
    {dd__Unit__ImpressionsAt5PercentCoverage, "ImpressionsAt5PercentCoverage"},
    {dd__Unit__items, "items"},
    {dd__Unit__jobs, "jobs"},
    {dd__Unit__kilobyte, "kilobyte"},
    {dd__Unit__kPixels, "kPixels"},
    {dd__Unit__lines, "lines"},
    {dd__Unit__longWebAdvances, "longWebAdvances"},
    {dd__Unit__megabyte, "megabyte"},
    {dd__Unit__meters, "meters"},
    {dd__Unit__microliters, "microliters"},
    {dd__Unit__micrometers, "micrometers"},
    {dd__Unit__milliampere, "milliampere"},
    {dd__Unit__milliDegreesCelsius, "milliDegreesCelsius"},
    {dd__Unit__milliliter, "milliliter"},
    {dd__Unit__milliliters, "milliliters"},
    {dd__Unit__minutes, "minutes"},
    {dd__Unit__nanoliters, "nanoliters"},
    {dd__Unit__other, "other"},
    {dd__Unit__pages, "pages"},
    {dd__Unit__percent, "percent"},
    {dd__Unit__picks, "picks"},
    {dd__Unit__picoliters, "picoliters"},
    {dd__Unit__pixels, "pixels"},
    {dd__Unit__seconds, "seconds"},
    {dd__Unit__sheets, "sheets"},
    {dd__Unit__shortWebAdvances, "shortWebAdvances"},
    {dd__Unit__slots, "slots"},
    {dd__Unit__squareFeet, "squareFeet"},
    {dd__Unit__squareInches, "squareInches"},
    {dd__Unit__squareMeters, "squareMeters"},
    {dd__Unit__staple_x002dsheets, "staple-sheets"},
    {dd__Unit__staples, "staples"},
    {dd__Unit__tenThousandthsOfInches, "tenThousandthsOfInches"},
    {dd__Unit__tenthsOfGrams, "tenthsOfGrams"},
    {dd__Unit__thousandthsOfOunces, "thousandthsOfOunces"},
    {dd__Unit__tenthsOfMilliliters, "tenthsOfMilliliters"},
    {dd__Unit__terabyte, "terabyte"},
    {dd__Unit__unknown, "unknown"},
    {0, nullptr}};

const soap_code_map kKnownResultsCodes[] = {
    {dd__KnownResults__AbortComplete, "AbortComplete"},
    {dd__KnownResults__AbortInProgress, "AbortInProgress"},
    {dd__KnownResults__AttributeDoesNotExist, "AttributeDoesNotExist"},
    {dd__KnownResults__AuthMethodNotSupported, "AuthMethodNotSupported"},
    {dd__KnownResults__AuthenticationRequired, "AuthenticationRequired"},
    {dd__KnownResults__AuthenticationFailure, "AuthenticationFailure"},
    {dd__KnownResults__AuthenticationError, "AuthenticationError"},
    {dd__KnownResults__BlankPassword, "BlankPassword"},
    {dd__KnownResults__ChannelPrivacyRequired, "ChannelPrivacyRequired"},
    {dd__KnownResults__ClientTimeExceeded, "ClientTimeExceeded"},
    {dd__KnownResults__CommunicationError, "CommunicationError"},
    {dd__KnownResults__DatabaseNotAlphabetized, "DatabaseNotAlphabetized"},
    {dd__KnownResults__EmailAddressNotFound, "EmailAddressNotFound"},
    {dd__KnownResults__Failed, "Failed"},
    {dd__KnownResults__FaxNumberNotFound, "FaxNumberNotFound"},
    {dd__KnownResults__FolderDoesNotExist, "FolderDoesNotExist"},
    {dd__KnownResults__FolderIsNotAccessible, "FolderIsNotAccessible"},
    {dd__KnownResults__FunctionInvoked, "FunctionInvoked"},
    {dd__KnownResults__GeneralSMTPError, "GeneralSMTPError"},
    {dd__KnownResults__IncompatibleValues, "IncompatibleValues"},
    {dd__KnownResults__InitializationFailed, "InitializationFailed"},
    {dd__KnownResults__InternalError, "InternalError"},
    {dd__KnownResults__InvalidBindMethod, "InvalidBindMethod"},
    {dd__KnownResults__InvalidCredentials, "InvalidCredentials"},
    {dd__KnownResults__InvalidEmailAttribute, "InvalidEmailAttribute"},
    {dd__KnownResults__InvalidFaxAttribute, "InvalidFaxAttribute"},
    {dd__KnownResults__InvalidFileFormat, "InvalidFileFormat"},
    {dd__KnownResults__InvalidFunction, "InvalidFunction"},
    {dd__KnownResults__InvalidKey, "InvalidKey"},
    {dd__KnownResults__InvalidNameAttribute, "InvalidNameAttribute"},
    {dd__KnownResults__InvalidObject, "InvalidObject"},
    {dd__KnownResults__InvalidPassword, "InvalidPassword"},
    {dd__KnownResults__InvalidRequest, "InvalidRequest"},
    {dd__KnownResults__InvalidSearchRoot, "InvalidSearchRoot"},
    {dd__KnownResults__InvalidService, "InvalidService"},
    {dd__KnownResults__InvalidUsername, "InvalidUsername"},
    {dd__KnownResults__InvalidUserPrivileges, "InvalidUserPrivileges"},
    {dd__KnownResults__InvalidValue, "InvalidValue"},
    {dd__KnownResults__MalformedTicket, "MalformedTicket"},
    {dd__KnownResults__MemoryError, "MemoryError"},
    {dd__KnownResults__MissingElements, "MissingElements"},
    {dd__KnownResults__NoAttributesValues, "NoAttributesValues"},
    {dd__KnownResults__NoEntriesFound, "NoEntriesFound"},
    {dd__KnownResults__NoPrivateChannelAvail, "NoPrivateChannelAvail"},
    {dd__KnownResults__NoResponse, "NoResponse"},
    {dd__KnownResults__NotAPrivateChannel, "NotAPrivateChannel"},
    {dd__KnownResults__OperationDenied, "OperationDenied"},
    {dd__KnownResults__OperationExpired, "OperationExpired"},
    {dd__KnownResults__OperationIDUnknown, "OperationIDUnknown"},
    {dd__KnownResults__OperationInProgress, "OperationInProgress"},
    {dd__KnownResults__OperationInvalidParameter, "OperationInvalidParameter"},
    {dd__KnownResults__OperationInvalidValue, "OperationInvalidValue"},
    {dd__KnownResults__OperationNotImplemented, "OperationNotImplemented"},
    {dd__KnownResults__OperationUnexpectedError, "OperationUnexpectedError"},
    {dd__KnownResults__OperationUnknownParameter, "OperationUnknownParameter"},
    {dd__KnownResults__OutOfMemory, "OutOfMemory"},
    {dd__KnownResults__ReadOnly, "ReadOnly"},
    {dd__KnownResults__RequiresSSLConnection, "RequiresSSLConnection"},
    {dd__KnownResults__ReplicationAborted, "ReplicationAborted"},
    {dd__KnownResults__ReplicationCompleted, "ReplicationCompleted"},
    {dd__KnownResults__ReplicationInProgress, "ReplicationInProgress"},
    {dd__KnownResults__SearchCallTimeOut, "SearchCallTimeOut"},
    {dd__KnownResults__ServerBusy, "ServerBusy"},
    {dd__KnownResults__ServerNotAvailable, "ServerNotAvailable"},
    {dd__KnownResults__Success, "Success"},
    {dd__KnownResults__TicketOverflow, "TicketOverflow"},
    {dd__KnownResults__TimedOut, "TimedOut"},
    {dd__KnownResults__TimeoutError, "TimeoutError"},
    {dd__KnownResults__TooBusy, "TooBusy"},
    {dd__KnownResults__UnableToConnect, "UnableToConnect"},
    {dd__KnownResults__UnableToLogon, "UnableToLogon"},
    {dd__KnownResults__UnableToLogoff, "UnableToLogoff"},
    {dd__KnownResults__UnableToRead, "UnableToRead"},
    {dd__KnownResults__UnableToWrite, "UnableToWrite"},
    {dd__KnownResults__UnexpectedFailure, "UnexpectedFailure"},
    {dd__KnownResults__Unknown, "Unknown"},
    {dd__KnownResults__UnknownElements, "UnknownElements"},
    {dd__KnownResults__Unsupported, "Unsupported"},
    {0, nullptr}};

const soap_code_map kCurrentAlertIDCodes[] = {
    {dd__CurrentAlertID__badDuplexerConnection, "badDuplexerConnection"},
    {dd__CurrentAlertID__badOptionalTrayConnection, "badOptionalTrayConnection"},
    {dd__CurrentAlertID__busyDataReceived, "busyDataReceived"},
    {dd__CurrentAlertID__cancelJob, "cancelJob"},
    {dd__CurrentAlertID__cannotDuplexCheckRearBin, "cannotDuplexCheckRearBin"},
    {dd__CurrentAlertID__cannotDuplexCloseRearBin, "cannotDuplexCloseRearBin"},
    {dd__CurrentAlertID__cartridgeEmpty, "cartridgeEmpty"},
    {dd__CurrentAlertID__cartridgeFailure, "cartridgeFailure"},
    {dd__CurrentAlertID__cartridgeLow, "cartridgeLow"},
    {dd__CurrentAlertID__cartridgeMissing, "cartridgeMissing"},
    {dd__CurrentAlertID__cartridgesNotEngaged, "cartridgesNotEngaged"},
    {dd__CurrentAlertID__cartridgeVeryLow, "cartridgeVeryLow"},
    {dd__CurrentAlertID__clearingPaperPath, "clearingPaperPath"},
    {dd__CurrentAlertID__closeFrontCovers, "closeFrontCovers"},
    {dd__CurrentAlertID__closeFrontDoor, "closeFrontDoor"},
    {dd__CurrentAlertID__closeUpperRearDoor, "closeUpperRearDoor"},
    {dd__CurrentAlertID__colorSupplyRunsOut, "colorSupplyRunsOut"},
    {dd__CurrentAlertID__commBadSerialTransmission, "commBadSerialTransmission"},
    {dd__CurrentAlertID__commChosenPersonalityNotAvailable, "commChosenPersonalityNotAvailable"},
    {dd__CurrentAlertID__commEIOXBadTransmission, "commEIOXBadTransmission"},
    {dd__CurrentAlertID__commEIOXBufferOverflow, "commEIOXBufferOverflow"},
    {dd__CurrentAlertID__commParallelIOBufferOverflow, "commParallelIOBufferOverflow"},
    {dd__CurrentAlertID__commSerialIOBufferOverflow, "commSerialIOBufferOverflow"},
    {dd__CurrentAlertID__commUSBIOBufferOverflow, "commUSBIOBufferOverflow"},
    {dd__CurrentAlertID__coverSheetFeederOutLower, "coverSheetFeederOutLower"},
    {dd__CurrentAlertID__coverSheetFeederOutUpper, "coverSheetFeederOutUpper"},
    {dd__CurrentAlertID__cSSPLoadFrontStapler, "cSSPLoadFrontStapler"},
    {dd__CurrentAlertID__cSSPLoadRearStapler, "cSSPLoadRearStapler"},
    {dd__CurrentAlertID__printerError, "printerError"},
    {dd__CurrentAlertID__permanentStorageError, "permanentStorageError"},
    {dd__CurrentAlertID__permanentStorageFull, "permanentStorageFull"},
    {dd__CurrentAlertID__permanentStorageWriteFail, "permanentStorageWriteFail"},
    {dd__CurrentAlertID__eIODiskNotFunctional, "eIODiskNotFunctional"},
    {dd__CurrentAlertID__fileOperationFailed, "fileOperationFailed"},
    {dd__CurrentAlertID__fileSystemFull, "fileSystemFull"},
    {dd__CurrentAlertID__fileSystemPrinterFailure, "fileSystemPrinterFailure"},
    {dd__CurrentAlertID__fileSystemWriteProtected, "fileSystemWriteProtected"},
    {dd__CurrentAlertID__fuserJamLowerLeftDoor, "fuserJamLowerLeftDoor"},
    {dd__CurrentAlertID__fuserJamLowerRearDoor, "fuserJamLowerRearDoor"},
    {dd__CurrentAlertID__genericJam, "genericJam"},
    {dd__CurrentAlertID__genuineOrvanta, "genuineOrvanta"},
    {dd__CurrentAlertID__genuineOrvantaSuppliesForAnotherPrinter,
     "genuineOrvantaSuppliesForAnotherPrinter"},
    {dd__CurrentAlertID__incorrectCartridge, "incorrectCartridge"},
    {dd__CurrentAlertID__incorrectSupplies, "incorrectSupplies"},
    {dd__CurrentAlertID__inPowerSave, "inPowerSave"},
    {dd__CurrentAlertID__installCartridge, "installCartridge"},
    {dd__CurrentAlertID__installDrum, "installDrum"},
    {dd__CurrentAlertID__installCleaner, "installCleaner"},
    {dd__CurrentAlertID__installFuser, "installFuser"},
    {dd__CurrentAlertID__installSupplies, "installSupplies"},
    {dd__CurrentAlertID__installTransferUnit, "installTransferUnit"},
    {dd__CurrentAlertID__insufficientMemory, "insufficientMemory"},
    {dd__CurrentAlertID__internalClockError, "internalClockError"},
    {dd__CurrentAlertID__jamInsideFrontDoor, "jamInsideFrontDoor"},
    {dd__CurrentAlertID__jamInsideFrontDoorRemoveTransparency,
     "jamInsideFrontDoorRemoveTransparency"},
    {dd__CurrentAlertID__jamInsideLowerRearDoor, "jamInsideLowerRearDoor"},
    {dd__CurrentAlertID__jamInsideTopCover, "jamInsideTopCover"},
    {dd__CurrentAlertID__jamInsideUpperRearDoor, "jamInsideUpperRearDoor"},
    {dd__CurrentAlertID__jamInMiddleDrawer, "jamInMiddleDrawer"},
    {dd__CurrentAlertID__jamInTray, "jamInTray"},
    {dd__CurrentAlertID__loadTray, "loadTray"},
    {dd__CurrentAlertID__manuallyFeed, "manuallyFeed"},
    {dd__CurrentAlertID__manuallyFeedOutputStack, "manuallyFeedOutputStack"},
    {dd__CurrentAlertID__missingPrintHead, "missingPrintHead"},
    {dd__CurrentAlertID__multipleJamsInDuplexPath, "multipleJamsInDuplexPath"},
    {dd__CurrentAlertID__multipleJamsInPaperPath, "multipleJamsInPaperPath"},
    {dd__CurrentAlertID__nonOrvantaSupply, "nonOrvantaSupply"},
    {dd__CurrentAlertID__orderCartridge, "orderCartridge"},
    {dd__CurrentAlertID__orderDrum, "orderDrum"},
    {dd__CurrentAlertID__orderCleaningKit, "orderCleaningKit"},
    {dd__CurrentAlertID__orderFuserKit, "orderFuserKit"},
    {dd__CurrentAlertID__orderSupplies, "orderSupplies"},
    {dd__CurrentAlertID__orderTransferKit, "orderTransferKit"},
    {dd__CurrentAlertID__outputBinFull, "outputBinFull"},
    {dd__CurrentAlertID__paused, "paused"},
    {dd__CurrentAlertID__performPrinterMaintenance, "performPrinterMaintenance"},
    {dd__CurrentAlertID__pleaseWaitMessage, "pleaseWaitMessage"},
    {dd__CurrentAlertID__reloadTransparency, "reloadTransparency"},
    {dd__CurrentAlertID__removePrintHead, "removePrintHead"},
    {dd__CurrentAlertID__replaceCartridge, "replaceCartridge"},
    {dd__CurrentAlertID__replaceCartridgeLowStop, "replaceCartridgeLowStop"},
    {dd__CurrentAlertID__replaceCartridgeOut, "replaceCartridgeOut"},
    {dd__CurrentAlertID__replaceCartridgeOutStop, "replaceCartridgeOutStop"},
    {dd__CurrentAlertID__replaceDrumLowStop, "replaceDrumLowStop"},
    {dd__CurrentAlertID__replaceDrumOutStop, "replaceDrumOutStop"},
    {dd__CurrentAlertID__replaceCleanKitStop, "replaceCleanKitStop"},
    {dd__CurrentAlertID__replaceFuserKit, "replaceFuserKit"},
    {dd__CurrentAlertID__replaceFuserKitStop, "replaceFuserKitStop"},
    {dd__CurrentAlertID__replacePrintHead, "replacePrintHead"},
    {dd__CurrentAlertID__replaceSuppliesLowStop, "replaceSuppliesLowStop"},
    {dd__CurrentAlertID__replaceSuppliesOutStop, "replaceSuppliesOutStop"},
    {dd__CurrentAlertID__replaceTransferKit, "replaceTransferKit"},
    {dd__CurrentAlertID__replaceTransferKitStop, "replaceTransferKitStop"},
    {dd__CurrentAlertID__reseatCartridge, "reseatCartridge"},
    {dd__CurrentAlertID__reseatPrintHead, "reseatPrintHead"},
    {dd__CurrentAlertID__sizeMismatchInTray, "sizeMismatchInTray"},
    {dd__CurrentAlertID__supplyMemory, "supplyMemory"},
    {dd__CurrentAlertID__trayEmpty, "trayEmpty"},
    {dd__CurrentAlertID__trayEmptyOrOpen, "trayEmptyOrOpen"},
    {dd__CurrentAlertID__trayOpen, "trayOpen"},
    {dd__CurrentAlertID__typeMismatchInTray, "typeMismatchInTray"},
    {dd__CurrentAlertID__unableToMopyJob, "unableToMopyJob"},
    {dd__CurrentAlertID__unableToStoreJob, "unableToStoreJob"},
    {dd__CurrentAlertID__unauthorizedSupply, "unauthorizedSupply"},
    {dd__CurrentAlertID__unauthorizedSupplyInUse, "unauthorizedSupplyInUse"},
    {dd__CurrentAlertID__unexpectedSizeInTray, "unexpectedSizeInTray"},
    {dd__CurrentAlertID__unexpectedTypeInTray, "unexpectedTypeInTray"},
    {dd__CurrentAlertID__waitingForRestart, "waitingForRestart"},
    {0, nullptr}};

const soap_code_map kDeprecatedAlertIDCodes[] = {
    {dd__DeprecatedAlertID__incorrectBlackCartridge, "incorrectBlackCartridge"},
    {dd__DeprecatedAlertID__incorrectCyanCartridge, "incorrectCyanCartridge"},
    {dd__DeprecatedAlertID__incorrectMagentaCartridge, "incorrectMagentaCartridge"},
    {dd__DeprecatedAlertID__incorrectYellowCartridge, "incorrectYellowCartridge"},
    {dd__DeprecatedAlertID__installBlackCartridge, "installBlackCartridge"},
    {dd__DeprecatedAlertID__installBlackDrum, "installBlackDrum"},
    {dd__DeprecatedAlertID__installCyanCartridge, "installCyanCartridge"},
    {dd__DeprecatedAlertID__installCyanDrum, "installCyanDrum"},
    {dd__DeprecatedAlertID__installMagentaCartridge, "installMagentaCartridge"},
    {dd__DeprecatedAlertID__installMagentaDrum, "installMagentaDrum"},
    {dd__DeprecatedAlertID__installYellowCartridge, "installYellowCartridge"},
    {dd__DeprecatedAlertID__installYellowDrum, "installYellowDrum"},
    {dd__DeprecatedAlertID__jamInTray1, "jamInTray1"},
    {dd__DeprecatedAlertID__jamInTray2, "jamInTray2"},
    {dd__DeprecatedAlertID__jamInTray3, "jamInTray3"},
    {dd__DeprecatedAlertID__jamInTray4, "jamInTray4"},
    {dd__DeprecatedAlertID__jamInTray5, "jamInTray5"},
    {dd__DeprecatedAlertID__jamInTray6, "jamInTray6"},
    {dd__DeprecatedAlertID__jamInTrayX, "jamInTrayX"},
    {dd__DeprecatedAlertID__loadTray1, "loadTray1"},
    {dd__DeprecatedAlertID__loadTray2, "loadTray2"},
    {dd__DeprecatedAlertID__loadTray3, "loadTray3"},
    {dd__DeprecatedAlertID__loadTray4, "loadTray4"},
    {dd__DeprecatedAlertID__loadTray5, "loadTray5"},
    {dd__DeprecatedAlertID__loadTray6, "loadTray6"},
    {dd__DeprecatedAlertID__orderBlackCartridge, "orderBlackCartridge"},
    {dd__DeprecatedAlertID__orderBlackDrum, "orderBlackDrum"},
    {dd__DeprecatedAlertID__orderCyanCartridge, "orderCyanCartridge"},
    {dd__DeprecatedAlertID__orderCyanDrum, "orderCyanDrum"},
    {dd__DeprecatedAlertID__orderMagentaCartridge, "orderMagentaCartridge"},
    {dd__DeprecatedAlertID__orderMagentaDrum, "orderMagentaDrum"},
    {dd__DeprecatedAlertID__orderYellowCartridge, "orderYellowCartridge"},
    {dd__DeprecatedAlertID__orderYellowDrum, "orderYellowDrum"},
    {dd__DeprecatedAlertID__e41PrinterError, "e41PrinterError"},
    {dd__DeprecatedAlertID__e50FuserError, "e50FuserError"},
    {dd__DeprecatedAlertID__e51PrinterError, "e51PrinterError"},
    {dd__DeprecatedAlertID__e52PrinterError, "e52PrinterError"},
    {dd__DeprecatedAlertID__e54PrinterError, "e54PrinterError"},
    {dd__DeprecatedAlertID__e55PrinterError, "e55PrinterError"},
    {dd__DeprecatedAlertID__e56PrinterError, "e56PrinterError"},
    {dd__DeprecatedAlertID__e57PrinterError, "e57PrinterError"},
    {dd__DeprecatedAlertID__e58PrinterError, "e58PrinterError"},
    {dd__DeprecatedAlertID__e59PrinterError, "e59PrinterError"},
    {dd__DeprecatedAlertID__e60PrinterError, "e60PrinterError"},
    {dd__DeprecatedAlertID__e68PermanentStorageError, "e68PermanentStorageError"},
    {dd__DeprecatedAlertID__e68PermanentStorageFull, "e68PermanentStorageFull"},
    {dd__DeprecatedAlertID__e68PermanentStorageWriteFail, "e68PermanentStorageWriteFail"},
    {dd__DeprecatedAlertID__e69PrinterError, "e69PrinterError"},
    {dd__DeprecatedAlertID__reloadTray1Transparency, "reloadTray1Transparency"},
    {dd__DeprecatedAlertID__reloadTray2Transparency, "reloadTray2Transparency"},
    {dd__DeprecatedAlertID__reloadTray3Transparency, "reloadTray3Transparency"},
    {dd__DeprecatedAlertID__reloadTrayTransparency, "reloadTrayTransparency"},
    {dd__DeprecatedAlertID__replaceBlackCartridgeLowStop, "replaceBlackCartridgeLowStop"},
    {dd__DeprecatedAlertID__replaceBlackCartridgeOut, "replaceBlackCartridgeOut"},
    {dd__DeprecatedAlertID__replaceBlackCartridgeOutStop, "replaceBlackCartridgeOutStop"},
    {dd__DeprecatedAlertID__replaceBlackDrumLowStop, "replaceBlackDrumLowStop"},
    {dd__DeprecatedAlertID__replaceBlackDrumOutStop, "replaceBlackDrumOutStop"},
    {dd__DeprecatedAlertID__replaceCyanCartridgeLowStop, "replaceCyanCartridgeLowStop"},
    {dd__DeprecatedAlertID__replaceCyanCartridgeOut, "replaceCyanCartridgeOut"},
    {dd__DeprecatedAlertID__replaceCyanCartridgeOutStop, "replaceCyanCartridgeOutStop"},
    {dd__DeprecatedAlertID__replaceCyanDrumLowStop, "replaceCyanDrumLowStop"},
    {dd__DeprecatedAlertID__replaceCyanDrumOutStop, "replaceCyanDrumOutStop"},
    {dd__DeprecatedAlertID__replaceMagentaCartridgeLowStop, "replaceMagentaCartridgeLowStop"},
    {dd__DeprecatedAlertID__replaceMagentaCartridgeOut, "replaceMagentaCartridgeOut"},
    {dd__DeprecatedAlertID__replaceMagentaCartridgeOutStop, "replaceMagentaCartridgeOutStop"},
    {dd__DeprecatedAlertID__replaceMagentaDrumLowStop, "replaceMagentaDrumLowStop"},
    {dd__DeprecatedAlertID__replaceMagentaDrumOutStop, "replaceMagentaDrumOutStop"},
    {dd__DeprecatedAlertID__replaceYellowCartridgeLowStop, "replaceYellowCartridgeLowStop"},
    {dd__DeprecatedAlertID__replaceYellowCartridgeOut, "replaceYellowCartridgeOut"},
    {dd__DeprecatedAlertID__replaceYellowCartridgeOutStop, "replaceYellowCartridgeOutStop"},
    {dd__DeprecatedAlertID__replaceYellowDrumLowStop, "replaceYellowDrumLowStop"},
    {dd__DeprecatedAlertID__replaceYellowDrumOutStop, "replaceYellowDrumOutStop"},
    {dd__DeprecatedAlertID__sizeMismatchInTray1, "sizeMismatchInTray1"},
    {dd__DeprecatedAlertID__sizeMismatchInTray2, "sizeMismatchInTray2"},
    {dd__DeprecatedAlertID__sizeMismatchInTray3, "sizeMismatchInTray3"},
    {dd__DeprecatedAlertID__sizeMismatchInTray4, "sizeMismatchInTray4"},
    {dd__DeprecatedAlertID__sizeMismatchInTray5, "sizeMismatchInTray5"},
    {dd__DeprecatedAlertID__sizeMismatchInTray6, "sizeMismatchInTray6"},
    {dd__DeprecatedAlertID__tray1Empty, "tray1Empty"},
    {dd__DeprecatedAlertID__tray1EmptyOrOpen, "tray1EmptyOrOpen"},
    {dd__DeprecatedAlertID__tray1Open, "tray1Open"},
    {dd__DeprecatedAlertID__tray2EmptyOrOpen, "tray2EmptyOrOpen"},
    {dd__DeprecatedAlertID__tray2Open, "tray2Open"},
    {dd__DeprecatedAlertID__tray3EmptyOrOpen, "tray3EmptyOrOpen"},
    {dd__DeprecatedAlertID__tray3Open, "tray3Open"},
    {dd__DeprecatedAlertID__tray4EmptyOrOpen, "tray4EmptyOrOpen"},
    {dd__DeprecatedAlertID__tray4Open, "tray4Open"},
    {dd__DeprecatedAlertID__tray5EmptyOrOpen, "tray5EmptyOrOpen"},
    {dd__DeprecatedAlertID__tray5Open, "tray5Open"},
    {dd__DeprecatedAlertID__tray6EmptyOrOpen, "tray6EmptyOrOpen"},
    {dd__DeprecatedAlertID__tray6Open, "tray6Open"},
    {dd__DeprecatedAlertID__typeMismatchInTray1, "typeMismatchInTray1"},
    {dd__DeprecatedAlertID__typeMismatchInTray2, "typeMismatchInTray2"},
    {dd__DeprecatedAlertID__typeMismatchInTray3, "typeMismatchInTray3"},
    {dd__DeprecatedAlertID__typeMismatchInTray4, "typeMismatchInTray4"},
    {dd__DeprecatedAlertID__typeMismatchInTray5, "typeMismatchInTray5"},
    {dd__DeprecatedAlertID__typeMismatchInTray6, "typeMismatchInTray6"},
    {dd__DeprecatedAlertID__unexpectedSizeInTray1, "unexpectedSizeInTray1"},
    {dd__DeprecatedAlertID__unexpectedSizeInTray2, "unexpectedSizeInTray2"},
    {dd__DeprecatedAlertID__unexpectedSizeInTray3, "unexpectedSizeInTray3"},
    {dd__DeprecatedAlertID__unexpectedSizeInTray4, "unexpectedSizeInTray4"},
    {dd__DeprecatedAlertID__unexpectedSizeInTray5, "unexpectedSizeInTray5"},
    {dd__DeprecatedAlertID__unexpectedSizeInTray6, "unexpectedSizeInTray6"},
    {dd__DeprecatedAlertID__unexpectedTypeInTray1, "unexpectedTypeInTray1"},
    {dd__DeprecatedAlertID__unexpectedTypeInTray2, "unexpectedTypeInTray2"},
    {dd__DeprecatedAlertID__unexpectedTypeInTray3, "unexpectedTypeInTray3"},
    {dd__DeprecatedAlertID__unexpectedTypeInTray4, "unexpectedTypeInTray4"},
    {dd__DeprecatedAlertID__unexpectedTypeInTray5, "unexpectedTypeInTray5"},
    {dd__DeprecatedAlertID__unexpectedTypeInTray6, "unexpectedTypeInTray6"},
    {0, nullptr}};

} // namespace

KAVELIN_CATALOGUE_ENUMERATION(dd__AccessControlEnum, kAccessControlEnumCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__Action, kActionCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__AlienationTypeEnum, kAlienationTypeEnumCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__BookletPrint, kBookletPrintCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__BooleanExpressionEnum, kBooleanExpressionEnumCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__BooleanFuncEnum, kBooleanFuncEnumCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__BrandOptions, kBrandOptionsCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__Category, kCategoryCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__ChangeType, kChangeTypeCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__ChromaticMode, kChromaticModeCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__ClearableWarnings, kClearableWarningsCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__ClockType, kClockTypeCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__ConsumableContentType, kConsumableContentTypeCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__CounterTypeEnum, kCounterTypeEnumCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__CountScalingEnum, kCountScalingEnumCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__DefaltIXAXPathType, kDefaltIXAXPathTypeCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__DefaultPDLInterpreterOrientation,
                              kDefaultPDLInterpreterOrientationCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__DigitalStorageTypeEnum, kDigitalStorageTypeEnumCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__Dimplex, kDimplexCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__DuplexUnit, kDuplexUnitCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__EmailMethodEnums, kEmailMethodEnumsCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__EnableDisable, kEnableDisableCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__EnvFeeder, kEnvFeederCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__EqualityExpressionEnum, kEqualityExpressionEnumCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__Fax, kFaxCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__FaxMethodEnums, kFaxMethodEnumsCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__Feed, kFeedCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__FinishFunction, kFinishFunctionCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__FitToOtherSize, kFitToOtherSizeCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__Fold, kFoldCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__FontSource, kFontSourceCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__ImageEdgeBinding, kImageEdgeBindingCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__ImageFileEnums, kImageFileEnumsCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__ImageType, kImageTypeCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__IntervalType, kIntervalTypeCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__IOStatus, kIOStatusCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__IPv4ConfigMethod, kIPv4ConfigMethodCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__IPv6ConfigMethod, kIPv6ConfigMethodCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__JamRecovery, kJamRecoveryCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__JobHoldMode, kJobHoldModeCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__JobInputAutoContinueMode, kJobInputAutoContinueModeCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__LocationPathAbbrvEnum, kLocationPathAbbrvEnumCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__LocationPathEnum, kLocationPathEnumCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__LocationTypeEnum, kLocationTypeEnumCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__MarginIntent, kMarginIntentCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__MarginsType, kMarginsTypeCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__MarkerType, kMarkerTypeCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__MarkingAgentAction, kMarkingAgentActionCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__MeasuredQuantityState, kMeasuredQuantityStateCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__MeasurementSource, kMeasurementSourceCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__MopierFunctionSetting, kMopierFunctionSettingCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__NameTestEnum, kNameTestEnumCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__NetworkInterfaceTypeEnum, kNetworkInterfaceTypeEnumCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__NodeSetFuncEnum, kNodeSetFuncEnumCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__NumberFuncEnum, kNumberFuncEnumCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__NumericalExpressionEnum, kNumericalExpressionEnumCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__OnOff, kOnOffCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__OnOffLine, kOnOffLineCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__OrvantaDeviceStateWKV, kOrvantaDeviceStateWKVCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__OrvantaDocumentTypeEnum, kOrvantaDocumentTypeEnumCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__OrvantaFinishingsWKV, kOrvantaFinishingsWKVCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__OrvantaJobSheetsWKV, kOrvantaJobSheetsWKVCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__OrvantaMediaTypeWKV, kOrvantaMediaTypeWKVCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__OrvantaPrintQualityWKV, kOrvantaPrintQualityWKVCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__PageBorders, kPageBordersCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__PageOrientation, kPageOrientationCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__PagesPerSheetOrder, kPagesPerSheetOrderCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__PaperSource, kPaperSourceCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__ParallelPortSpeed, kParallelPortSpeedCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__Plex, kPlexCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__PortConfiguration, kPortConfigurationCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__PrinterHardDisk, kPrinterHardDiskCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__PrintResolutionSetting, kPrintResolutionSettingCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__PrintSides, kPrintSidesCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__PrintSpeedUnit, kPrintSpeedUnitCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__RAMDiskSupport, kRAMDiskSupportCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__RelationalExpressionEnum, kRelationalExpressionEnumCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__ScalePage, kScalePageCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__SensorMeasurementType, kSensorMeasurementTypeCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__SettingsValues, kSettingsValuesCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__Severity, kSeverityCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__ShowIPAddress, kShowIPAddressCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__SourceType, kSourceTypeCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__StringFuncEnum, kStringFuncEnumCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__TrayState, kTrayStateCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__TypeTestEnum, kTypeTestEnumCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__Units, kUnitsCodes, true)
KAVELIN_CATALOGUE_ENUMERATION(dd__ValueType, kValueTypeCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__WarrantyStatusOptions, kWarrantyStatusOptionsCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__AxisEnumType, kAxisEnumTypeCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__ComponentTypeEnum, kComponentTypeEnumCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__ConsumableLabelCodes, kConsumableLabelCodesCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__ConsumableState, kConsumableStateCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__ConsumableTypeEnum, kConsumableTypeEnumCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__InputBin, kInputBinCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__OrvantaMediaSizeWKV, kOrvantaMediaSizeWKVCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__OrvantaOutputBinWKV, kOrvantaOutputBinWKVCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__Unit, kUnitCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__KnownResults, kKnownResultsCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__CurrentAlertID, kCurrentAlertIDCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(dd__DeprecatedAlertID, kDeprecatedAlertIDCodes, false)
KAVELIN_CATALOGUE_ENUMERATION_ALIAS(dd__CharSet, pwg__IANACharset)
KAVELIN_CATALOGUE_ENUMERATION_ALIAS(dd__HardwareTypeEnum, dd__ComponentTypeEnum)
KAVELIN_CATALOGUE_ENUMERATION_ALIAS(dd__ImagingDeviceFunctionTypeEnum, dd__ComponentTypeEnum)
KAVELIN_CATALOGUE_ENUMERATION_ALIAS(dd__MarkerUnit, dd__Unit)
