// Device dictionary types (prefix dd). The namespace directives live in the binding's main
// interface header; this file only declares types.

#import "pwg.h"
#import "ns1.h"

/* Enumerations. Their code tables and text conversions are generated from these declarations
   at build time (EnumerationCodes.cmake), so that a number outside a table reads unchanged. */

extern enum dd__AccessControlEnum_ : LONG64 {
    dd__AccessControlEnum__denied,
    dd__AccessControlEnum__allowed
};
extern typedef enum dd__AccessControlEnum_ dd__AccessControlEnum;

extern enum dd__Action_ : LONG64 {
    dd__Action__lock,
    dd__Action__get,
    dd__Action__passwordProtection,
    dd__Action__set,
    dd__Action__read,
    dd__Action__write
};
extern typedef enum dd__Action_ dd__Action;

extern enum dd__AlienationTypeEnum_ : LONG64 {
    dd__AlienationTypeEnum__none,
    dd__AlienationTypeEnum__developer,
    dd__AlienationTypeEnum__OPC,
    dd__AlienationTypeEnum__total
};
extern typedef enum dd__AlienationTypeEnum_ dd__AlienationTypeEnum;

extern enum dd__BookletPrint_ : LONG64 {
    dd__BookletPrint__off,
    dd__BookletPrint__LeftEdge,
    dd__BookletPrint__RightEdge
};
extern typedef enum dd__BookletPrint_ dd__BookletPrint;

extern enum dd__BooleanExpressionEnum_ : LONG64 {
    dd__BooleanExpressionEnum__or,
    dd__BooleanExpressionEnum__and
};
extern typedef enum dd__BooleanExpressionEnum_ dd__BooleanExpressionEnum;

extern enum dd__BooleanFuncEnum_ : LONG64 {
    dd__BooleanFuncEnum__boolean,
    dd__BooleanFuncEnum__false,
    dd__BooleanFuncEnum__not,
    dd__BooleanFuncEnum__true
};
extern typedef enum dd__BooleanFuncEnum_ dd__BooleanFuncEnum;

extern enum dd__BrandOptions_ : LONG64 {
    dd__BrandOptions__approvedOEM,
    dd__BrandOptions__clone,
    dd__BrandOptions__Orvanta,
    dd__BrandOptions__nonApprovedOEM,
    dd__BrandOptions__refill,
    dd__BrandOptions__unauthorized,
    dd__BrandOptions__unknown
};
extern typedef enum dd__BrandOptions_ dd__BrandOptions;

extern enum dd__Category_ : LONG64 {
    dd__Category__Device,
    dd__Category__Job,
    dd__Category__Service,
    dd__Category__SOE,
    dd__Category__Device_x003aConsumable,
    dd__Category__Device_x003aConsumable_x003aCartridge,
    dd__Category__Device_x003aConsumable_x003aPrintHead
};
extern typedef enum dd__Category_ dd__Category;

extern enum dd__ChangeType_ : LONG64 {
    dd__ChangeType__Add,
    dd__ChangeType__Modify,
    dd__ChangeType__Remove
};
extern typedef enum dd__ChangeType_ dd__ChangeType;

extern enum dd__ChromaticMode_ : LONG64 {
    dd__ChromaticMode__monochrome,
    dd__ChromaticMode__color,
    dd__ChromaticMode__grayscale,
    dd__ChromaticMode__other
};
extern typedef enum dd__ChromaticMode_ dd__ChromaticMode;

extern enum dd__ClearableWarnings_ : LONG64 {
    dd__ClearableWarnings__job,
    dd__ClearableWarnings__on
};
extern typedef enum dd__ClearableWarnings_ dd__ClearableWarnings;

extern enum dd__ClockType_ : LONG64 {
    dd__ClockType__jobAttr,
    dd__ClockType__managementProtocol,
    dd__ClockType__network,
    dd__ClockType__notSet,
    dd__ClockType__realTimeClock,
    dd__ClockType__system,
    dd__ClockType__timeserver
};
extern typedef enum dd__ClockType_ dd__ClockType;

extern enum dd__ConsumableContentType_ : LONG64 {
    dd__ConsumableContentType__fixingAgent,
    dd__ConsumableContentType__markingAgent
};
extern typedef enum dd__ConsumableContentType_ dd__ConsumableContentType;

extern enum dd__CounterTypeEnum_ : LONG64 {
    dd__CounterTypeEnum__job,
    dd__CounterTypeEnum__page
};
extern typedef enum dd__CounterTypeEnum_ dd__CounterTypeEnum;

extern enum dd__CountScalingEnum_ : LONG64 {
    dd__CountScalingEnum__unknown,
    dd__CountScalingEnum__absolute,
    dd__CountScalingEnum__equivalent
};
extern typedef enum dd__CountScalingEnum_ dd__CountScalingEnum;

extern enum dd__DefaltIXAXPathType_ : LONG64 {
    dd__DefaltIXAXPathType___x002fdescendant_x002dor_x002dself_x003a_x003a_x002a,
    dd__DefaltIXAXPathType___x002fdescendant_x003a_x003a_x002a
};
extern typedef enum dd__DefaltIXAXPathType_ dd__DefaltIXAXPathType;

extern enum dd__DefaultPDLInterpreterOrientation_ : LONG64 {
    dd__DefaultPDLInterpreterOrientation__Landscape,
    dd__DefaultPDLInterpreterOrientation__Portrait
};
extern typedef enum dd__DefaultPDLInterpreterOrientation_ dd__DefaultPDLInterpreterOrientation;

extern enum dd__DigitalStorageTypeEnum_ : LONG64 {
    dd__DigitalStorageTypeEnum__compactFlash,
    dd__DigitalStorageTypeEnum__DIMM,
    dd__DigitalStorageTypeEnum__SIMM,
    dd__DigitalStorageTypeEnum__harddisk,
    dd__DigitalStorageTypeEnum__cd,
    dd__DigitalStorageTypeEnum__dvd,
    dd__DigitalStorageTypeEnum__flash,
    dd__DigitalStorageTypeEnum__floppy,
    dd__DigitalStorageTypeEnum__ram,
    dd__DigitalStorageTypeEnum__ramdisk,
    dd__DigitalStorageTypeEnum__rom,
    dd__DigitalStorageTypeEnum__secureDigital
};
extern typedef enum dd__DigitalStorageTypeEnum_ dd__DigitalStorageTypeEnum;

extern enum dd__Dimplex_ : LONG64 {
    dd__Dimplex__dimplex
};
extern typedef enum dd__Dimplex_ dd__Dimplex;

extern enum dd__DuplexUnit_ : LONG64 {
    dd__DuplexUnit__Installed,
    dd__DuplexUnit__NotInstalled
};
extern typedef enum dd__DuplexUnit_ dd__DuplexUnit;

extern enum dd__EmailMethodEnums_ : LONG64 {
    dd__EmailMethodEnums__method,
    dd__EmailMethodEnums__service
};
extern typedef enum dd__EmailMethodEnums_ dd__EmailMethodEnums;

extern enum dd__EnableDisable_ : LONG64 {
    dd__EnableDisable__enabled,
    dd__EnableDisable__disabled
};
extern typedef enum dd__EnableDisable_ dd__EnableDisable;

extern enum dd__EnvFeeder_ : LONG64 {
    dd__EnvFeeder__Installed,
    dd__EnvFeeder__NotInstalled
};
extern typedef enum dd__EnvFeeder_ dd__EnvFeeder;

extern enum dd__EqualityExpressionEnum_ : LONG64 {
    dd__EqualityExpressionEnum___x003d,
    dd__EqualityExpressionEnum___x0021_x003d
};
extern typedef enum dd__EqualityExpressionEnum_ dd__EqualityExpressionEnum;

extern enum dd__Fax_ : LONG64 {
    dd__Fax__Yes,
    dd__Fax__No
};
extern typedef enum dd__Fax_ dd__Fax;

extern enum dd__FaxMethodEnums_ : LONG64 {
    dd__FaxMethodEnums__lan,
    dd__FaxMethodEnums__ms,
    dd__FaxMethodEnums__internet,
    dd__FaxMethodEnums__embedded
};
extern typedef enum dd__FaxMethodEnums_ dd__FaxMethodEnums;

extern enum dd__Feed_ : LONG64 {
    dd__Feed__Original,
    dd__Feed__MixedOriginal,
    dd__Feed__ADF,
    dd__Feed__RADF
};
extern typedef enum dd__Feed_ dd__Feed;

extern enum dd__FinishFunction_ : LONG64 {
    dd__FinishFunction__None,
    dd__FinishFunction__Punch,
    dd__FinishFunction__Offset,
    dd__FinishFunction__Stapler,
    dd__FinishFunction__Finisher
};
extern typedef enum dd__FinishFunction_ dd__FinishFunction;

extern enum dd__FitToOtherSize_ : LONG64 {
    dd__FitToOtherSize__PrintActualSize,
    dd__FitToOtherSize__FitToOtherSize
};
extern typedef enum dd__FitToOtherSize_ dd__FitToOtherSize;

extern enum dd__Fold_ : LONG64 {
    dd__Fold__Z,
    dd__Fold__Other
};
extern typedef enum dd__Fold_ dd__Fold;

extern enum dd__FontSource_ : LONG64 {
    dd__FontSource__Internal,
    dd__FontSource__PermanentSoft,
    dd__FontSource__ROMSIMM1,
    dd__FontSource__ROMSIMM2,
    dd__FontSource__ROMSIMM3,
    dd__FontSource__ROMSIMM4,
    dd__FontSource__ROMSIMM5,
    dd__FontSource__USB1,
    dd__FontSource__USB2,
    dd__FontSource__USB3,
    dd__FontSource__USB4
};
extern typedef enum dd__FontSource_ dd__FontSource;

extern enum dd__ImageEdgeBinding_ : LONG64 {
    dd__ImageEdgeBinding__longEdge,
    dd__ImageEdgeBinding__shortEdge
};
extern typedef enum dd__ImageEdgeBinding_ dd__ImageEdgeBinding;

extern enum dd__ImageFileEnums_ : LONG64 {
    dd__ImageFileEnums__pdf,
    dd__ImageFileEnums__tiff,
    dd__ImageFileEnums__mtiff,
    dd__ImageFileEnums__jpeg
};
extern typedef enum dd__ImageFileEnums_ dd__ImageFileEnums;

extern enum dd__ImageType_ : LONG64 {
    dd__ImageType__Images,
    dd__ImageType__TextOrDrawings
};
extern typedef enum dd__ImageType_ dd__ImageType;

extern enum dd__IntervalType_ : LONG64 {
    dd__IntervalType__job,
    dd__IntervalType__impressions,
    dd__IntervalType__sheets
};
extern typedef enum dd__IntervalType_ dd__IntervalType;

extern enum dd__IOStatus_ : LONG64 {
    dd__IOStatus__active,
    dd__IOStatus__initializing,
    dd__IOStatus__notActive
};
extern typedef enum dd__IOStatus_ dd__IOStatus;

extern enum dd__IPv4ConfigMethod_ : LONG64 {
    dd__IPv4ConfigMethod__MANUAL,
    dd__IPv4ConfigMethod__BOOTP,
    dd__IPv4ConfigMethod__DHCP,
    dd__IPv4ConfigMethod__AUTO_IP
};
extern typedef enum dd__IPv4ConfigMethod_ dd__IPv4ConfigMethod;

extern enum dd__IPv6ConfigMethod_ : LONG64 {
    dd__IPv6ConfigMethod__MANUAL,
    dd__IPv6ConfigMethod__LINK_LOCAL,
    dd__IPv6ConfigMethod__STATELESS,
    dd__IPv6ConfigMethod__DHCPv6,
    dd__IPv6ConfigMethod__UNKNOWN
};
extern typedef enum dd__IPv6ConfigMethod_ dd__IPv6ConfigMethod;

extern enum dd__JamRecovery_ : LONG64 {
    dd__JamRecovery__auto,
    dd__JamRecovery__off,
    dd__JamRecovery__on
};
extern typedef enum dd__JamRecovery_ dd__JamRecovery;

extern enum dd__JobHoldMode_ : LONG64 {
    dd__JobHoldMode__On,
    dd__JobHoldMode__Off,
    dd__JobHoldMode__ProofNHold,
    dd__JobHoldMode__HoldJob,
    dd__JobHoldMode__StoreJob,
    dd__JobHoldMode__PrivatePrint
};
extern typedef enum dd__JobHoldMode_ dd__JobHoldMode;

extern enum dd__JobInputAutoContinueMode_ : LONG64 {
    dd__JobInputAutoContinueMode__cancelJob,
    dd__JobInputAutoContinueMode__autoMediaSizeOverride,
    dd__JobInputAutoContinueMode__autoMediaNameOverride,
    dd__JobInputAutoContinueMode__USMediaSizeOverride,
    dd__JobInputAutoContinueMode__ISOMediaSizeOverride
};
extern typedef enum dd__JobInputAutoContinueMode_ dd__JobInputAutoContinueMode;

extern enum dd__LocationPathAbbrvEnum_ : LONG64 {
    dd__LocationPathAbbrvEnum__abbrv__x0040,
    dd__LocationPathAbbrvEnum__abbrv__x002e,
    dd__LocationPathAbbrvEnum__abbrv__x002e_x002e,
    dd__LocationPathAbbrvEnum__abbrv__x002f_x002f,
    dd__LocationPathAbbrvEnum__abbrv__x005bnumber_x005d
};
extern typedef enum dd__LocationPathAbbrvEnum_ dd__LocationPathAbbrvEnum;

extern enum dd__LocationPathEnum_ : LONG64 {
    dd__LocationPathEnum___x002f,
    dd__LocationPathEnum___x002f_x002f,
    dd__LocationPathEnum___x007c
};
extern typedef enum dd__LocationPathEnum_ dd__LocationPathEnum;

extern enum dd__LocationTypeEnum_ : LONG64 {
    dd__LocationTypeEnum__external,
    dd__LocationTypeEnum__integrated,
    dd__LocationTypeEnum__side,
    dd__LocationTypeEnum__slot
};
extern typedef enum dd__LocationTypeEnum_ dd__LocationTypeEnum;

extern enum dd__MarginIntent_ : LONG64 {
    dd__MarginIntent__Clip,
    dd__MarginIntent__ScaleToFit
};
extern typedef enum dd__MarginIntent_ dd__MarginIntent;

extern enum dd__MarginsType_ : LONG64 {
    dd__MarginsType__fullBleed,
    dd__MarginsType__normal,
    dd__MarginsType__reduced
};
extern typedef enum dd__MarginsType_ dd__MarginsType;

extern enum dd__MarkerType_ : LONG64 {
    dd__MarkerType__bits,
    dd__MarkerType__glossOptimizer,
    dd__MarkerType__ink,
    dd__MarkerType__toner
};
extern typedef enum dd__MarkerType_ dd__MarkerType;

extern enum dd__MarkingAgentAction_ : LONG64 {
    dd__MarkingAgentAction__continue,
    dd__MarkingAgentAction__stop
};
extern typedef enum dd__MarkingAgentAction_ dd__MarkingAgentAction;

extern enum dd__MeasuredQuantityState_ : LONG64 {
    dd__MeasuredQuantityState__ok,
    dd__MeasuredQuantityState__low,
    dd__MeasuredQuantityState__veryLow,
    dd__MeasuredQuantityState__out,
    dd__MeasuredQuantityState__unknown,
    dd__MeasuredQuantityState__missing
};
extern typedef enum dd__MeasuredQuantityState_ dd__MeasuredQuantityState;

extern enum dd__MeasurementSource_ : LONG64 {
    dd__MeasurementSource__system,
    dd__MeasurementSource__elabel,
    dd__MeasurementSource__maker_x002dchip,
    dd__MeasurementSource__other_x002dchip,
    dd__MeasurementSource__unknown
};
extern typedef enum dd__MeasurementSource_ dd__MeasurementSource;

extern enum dd__MopierFunctionSetting_ : LONG64 {
    dd__MopierFunctionSetting__Off,
    dd__MopierFunctionSetting__On,
    dd__MopierFunctionSetting__Enhanced
};
extern typedef enum dd__MopierFunctionSetting_ dd__MopierFunctionSetting;

extern enum dd__NameTestEnum_ : LONG64 {
    dd__NameTestEnum__nametest_QName,
    dd__NameTestEnum__nametest__x002a
};
extern typedef enum dd__NameTestEnum_ dd__NameTestEnum;

extern enum dd__NetworkInterfaceTypeEnum_ : LONG64 {
    dd__NetworkInterfaceTypeEnum__embedded,
    dd__NetworkInterfaceTypeEnum__internalCardSlot,
    dd__NetworkInterfaceTypeEnum__externalCardSlot
};
extern typedef enum dd__NetworkInterfaceTypeEnum_ dd__NetworkInterfaceTypeEnum;

extern enum dd__NodeSetFuncEnum_ : LONG64 {
    dd__NodeSetFuncEnum__id,
    dd__NodeSetFuncEnum__lang,
    dd__NodeSetFuncEnum__last,
    dd__NodeSetFuncEnum__local_x002dname,
    dd__NodeSetFuncEnum__name,
    dd__NodeSetFuncEnum__namespace_x002duri,
    dd__NodeSetFuncEnum__position
};
extern typedef enum dd__NodeSetFuncEnum_ dd__NodeSetFuncEnum;

extern enum dd__NumberFuncEnum_ : LONG64 {
    dd__NumberFuncEnum__ceiling,
    dd__NumberFuncEnum__count,
    dd__NumberFuncEnum__floor,
    dd__NumberFuncEnum__number,
    dd__NumberFuncEnum__round,
    dd__NumberFuncEnum__sum
};
extern typedef enum dd__NumberFuncEnum_ dd__NumberFuncEnum;

extern enum dd__NumericalExpressionEnum_ : LONG64 {
    dd__NumericalExpressionEnum___x002b,
    dd__NumericalExpressionEnum___x002d,
    dd__NumericalExpressionEnum__div,
    dd__NumericalExpressionEnum__mod,
    dd__NumericalExpressionEnum___x002a,
    dd__NumericalExpressionEnum___x002d_x0028unary_x0029
};
extern typedef enum dd__NumericalExpressionEnum_ dd__NumericalExpressionEnum;

extern enum dd__OnOff_ : LONG64 {
    dd__OnOff__on,
    dd__OnOff__off
};
extern typedef enum dd__OnOff_ dd__OnOff;

extern enum dd__OnOffLine_ : LONG64 {
    dd__OnOffLine__online,
    dd__OnOffLine__offline
};
extern typedef enum dd__OnOffLine_ dd__OnOffLine;

extern enum dd__OrvantaDeviceStateWKV_ : LONG64 {
    dd__OrvantaDeviceStateWKV__calibrating,
    dd__OrvantaDeviceStateWKV__canceling,
    dd__OrvantaDeviceStateWKV__drying,
    dd__OrvantaDeviceStateWKV__error,
    dd__OrvantaDeviceStateWKV__initializing,
    dd__OrvantaDeviceStateWKV__laminating,
    dd__OrvantaDeviceStateWKV__ready,
    dd__OrvantaDeviceStateWKV__receiving,
    dd__OrvantaDeviceStateWKV__paused,
    dd__OrvantaDeviceStateWKV__printing,
    dd__OrvantaDeviceStateWKV__sleeping
};
extern typedef enum dd__OrvantaDeviceStateWKV_ dd__OrvantaDeviceStateWKV;

extern enum dd__OrvantaDocumentTypeEnum_ : LONG64 {
    dd__OrvantaDocumentTypeEnum__PCL5,
    dd__OrvantaDocumentTypeEnum__PCL6,
    dd__OrvantaDocumentTypeEnum__PostScript,
    dd__OrvantaDocumentTypeEnum__PDF,
    dd__OrvantaDocumentTypeEnum__TIFF,
    dd__OrvantaDocumentTypeEnum__JPEG
};
extern typedef enum dd__OrvantaDocumentTypeEnum_ dd__OrvantaDocumentTypeEnum;

extern enum dd__OrvantaFinishingsWKV_ : LONG64 {
    dd__OrvantaFinishingsWKV__Stitch
};
extern typedef enum dd__OrvantaFinishingsWKV_ dd__OrvantaFinishingsWKV;

extern enum dd__OrvantaJobSheetsWKV_ : LONG64 {
    dd__OrvantaJobSheetsWKV__Full,
    dd__OrvantaJobSheetsWKV__Brief,
    dd__OrvantaJobSheetsWKV__None,
    dd__OrvantaJobSheetsWKV__Blank,
    dd__OrvantaJobSheetsWKV__Retry
};
extern typedef enum dd__OrvantaJobSheetsWKV_ dd__OrvantaJobSheetsWKV;

extern enum dd__OrvantaMediaTypeWKV_ : LONG64 {
    dd__OrvantaMediaTypeWKV__ORVANTA_ANY_SUPPORTED_TYPE,
    dd__OrvantaMediaTypeWKV__ORVANTA_AUTO,
    dd__OrvantaMediaTypeWKV__ORVANTA_BOND,
    dd__OrvantaMediaTypeWKV__ORVANTA_COLOR,
    dd__OrvantaMediaTypeWKV__ORVANTA_EXTRA_x002dHEAVY,
    dd__OrvantaMediaTypeWKV__ORVANTA_EXTRA_x002dHEAVY_x002dGLOSS,
    dd__OrvantaMediaTypeWKV__ORVANTA_INTERMEDIATE,
    dd__OrvantaMediaTypeWKV__ORVANTA_PLAIN,
    dd__OrvantaMediaTypeWKV__ORVANTA_RECYCLED,
    dd__OrvantaMediaTypeWKV__ORVANTA_ROUGH
};
extern typedef enum dd__OrvantaMediaTypeWKV_ dd__OrvantaMediaTypeWKV;

extern enum dd__OrvantaPrintQualityWKV_ : LONG64 {
    dd__OrvantaPrintQualityWKV__Best,
    dd__OrvantaPrintQualityWKV__Custom,
    dd__OrvantaPrintQualityWKV__Default,
    dd__OrvantaPrintQualityWKV__FastNormal,
    dd__OrvantaPrintQualityWKV__Marvelous,
    dd__OrvantaPrintQualityWKV__SuperDraft
};
extern typedef enum dd__OrvantaPrintQualityWKV_ dd__OrvantaPrintQualityWKV;

extern enum dd__PageBorders_ : LONG64 {
    dd__PageBorders__PrintBorders,
    dd__PageBorders__NoBorders,
    dd__PageBorders__DashedBorders
};
extern typedef enum dd__PageBorders_ dd__PageBorders;

extern enum dd__PageOrientation_ : LONG64 {
    dd__PageOrientation__FaceUp,
    dd__PageOrientation__FaceDown,
    dd__PageOrientation__FaceBoth,
    dd__PageOrientation__FaceUnknown
};
extern typedef enum dd__PageOrientation_ dd__PageOrientation;

extern enum dd__PagesPerSheetOrder_ : LONG64 {
    dd__PagesPerSheetOrder__RightThenDown,
    dd__PagesPerSheetOrder__DownThenRight,
    dd__PagesPerSheetOrder__LeftThenDown,
    dd__PagesPerSheetOrder__DownThenLeft
};
extern typedef enum dd__PagesPerSheetOrder_ dd__PagesPerSheetOrder;

extern enum dd__PaperSource_ : LONG64 {
    dd__PaperSource__default,
    dd__PaperSource__optionalTray
};
extern typedef enum dd__PaperSource_ dd__PaperSource;

extern enum dd__ParallelPortSpeed_ : LONG64 {
    dd__ParallelPortSpeed__fast,
    dd__ParallelPortSpeed__slow
};
extern typedef enum dd__ParallelPortSpeed_ dd__ParallelPortSpeed;

extern enum dd__Plex_ : LONG64 {
    dd__Plex__Simplex,
    dd__Plex__Duplex
};
extern typedef enum dd__Plex_ dd__Plex;

extern enum dd__PortConfiguration_ : LONG64 {
    dd__PortConfiguration__AUTO,
    dd__PortConfiguration__10TX_HALF,
    dd__PortConfiguration__10TX_FULL,
    dd__PortConfiguration__100TX_HALF,
    dd__PortConfiguration__100TX_FULL,
    dd__PortConfiguration__1000TX_FULL,
    dd__PortConfiguration__S100,
    dd__PortConfiguration__S200,
    dd__PortConfiguration__S400,
    dd__PortConfiguration__S800,
    dd__PortConfiguration__S1600
};
extern typedef enum dd__PortConfiguration_ dd__PortConfiguration;

extern enum dd__PrinterHardDisk_ : LONG64 {
    dd__PrinterHardDisk__Installed,
    dd__PrinterHardDisk__NotInstalled
};
extern typedef enum dd__PrinterHardDisk_ dd__PrinterHardDisk;

extern enum dd__PrintResolutionSetting_ : LONG64 {
    dd__PrintResolutionSetting__fast300dpi,
    dd__PrintResolutionSetting__fast600dpi,
    dd__PrintResolutionSetting__fast1200dpi,
    dd__PrintResolutionSetting__pro1200dpi,
    dd__PrintResolutionSetting__4800dpi
};
extern typedef enum dd__PrintResolutionSetting_ dd__PrintResolutionSetting;

extern enum dd__PrintSides_ : LONG64 {
    dd__PrintSides__Single,
    dd__PrintSides__Double
};
extern typedef enum dd__PrintSides_ dd__PrintSides;

extern enum dd__PrintSpeedUnit_ : LONG64 {
    dd__PrintSpeedUnit__half,
    dd__PrintSpeedUnit__quarter,
    dd__PrintSpeedUnit__third
};
extern typedef enum dd__PrintSpeedUnit_ dd__PrintSpeedUnit;

extern enum dd__RAMDiskSupport_ : LONG64 {
    dd__RAMDiskSupport__auto,
    dd__RAMDiskSupport__off
};
extern typedef enum dd__RAMDiskSupport_ dd__RAMDiskSupport;

extern enum dd__RelationalExpressionEnum_ : LONG64 {
    dd__RelationalExpressionEnum___x003c_x003d,
    dd__RelationalExpressionEnum___x003c,
    dd__RelationalExpressionEnum___x003e_x003d,
    dd__RelationalExpressionEnum___x003e
};
extern typedef enum dd__RelationalExpressionEnum_ dd__RelationalExpressionEnum;

extern enum dd__ScalePage_ : LONG64 {
    dd__ScalePage__ScaleToFit,
    dd__ScalePage__FitWithoutScaling
};
extern typedef enum dd__ScalePage_ dd__ScalePage;

extern enum dd__SensorMeasurementType_ : LONG64 {
    dd__SensorMeasurementType__analog,
    dd__SensorMeasurementType__digital
};
extern typedef enum dd__SensorMeasurementType_ dd__SensorMeasurementType;

extern enum dd__SettingsValues_ : LONG64 {
    dd__SettingsValues__auto,
    dd__SettingsValues__continue,
    dd__SettingsValues__disabled,
    dd__SettingsValues__enabled,
    dd__SettingsValues__fast,
    dd__SettingsValues__job,
    dd__SettingsValues__off,
    dd__SettingsValues__on,
    dd__SettingsValues__slow,
    dd__SettingsValues__stop
};
extern typedef enum dd__SettingsValues_ dd__SettingsValues;

extern enum dd__Severity_ : LONG64 {
    dd__Severity__Fatal,
    dd__Severity__Error,
    dd__Severity__Warning,
    dd__Severity__Info,
    dd__Severity__Debug
};
extern typedef enum dd__Severity_ dd__Severity;

extern enum dd__ShowIPAddress_ : LONG64 {
    dd__ShowIPAddress__auto,
    dd__ShowIPAddress__off
};
extern typedef enum dd__ShowIPAddress_ dd__ShowIPAddress;

extern enum dd__SourceType_ : LONG64 {
    dd__SourceType__HTTP_Reference,
    dd__SourceType__HTTP_Post,
    dd__SourceType__Inline,
    dd__SourceType__iSink,
    dd__SourceType__iSource
};
extern typedef enum dd__SourceType_ dd__SourceType;

extern enum dd__StringFuncEnum_ : LONG64 {
    dd__StringFuncEnum__concat,
    dd__StringFuncEnum__contains,
    dd__StringFuncEnum__normalize_x002dspace,
    dd__StringFuncEnum__starts_x002dwith,
    dd__StringFuncEnum__string,
    dd__StringFuncEnum__string_x002dlength,
    dd__StringFuncEnum__substring,
    dd__StringFuncEnum__substring_x002dafter,
    dd__StringFuncEnum__substring_x002dbefore,
    dd__StringFuncEnum__translate
};
extern typedef enum dd__StringFuncEnum_ dd__StringFuncEnum;

extern enum dd__TrayState_ : LONG64 {
    dd__TrayState__disabled,
    dd__TrayState__error,
    dd__TrayState__initializing,
    dd__TrayState__installed,
    dd__TrayState__leverLifted,
    dd__TrayState__loading,
    dd__TrayState__open,
    dd__TrayState__ready,
    dd__TrayState__standBy,
    dd__TrayState__trackingLength,
    dd__TrayState__trayMediaMispositioned,
    dd__TrayState__trayWrongFormat
};
extern typedef enum dd__TrayState_ dd__TrayState;

extern enum dd__TypeTestEnum_ : LONG64 {
    dd__TypeTestEnum__text_x0028_x0029,
    dd__TypeTestEnum__comment_x0028_x0029,
    dd__TypeTestEnum__processing_x002dinstruction_x0028target_x003f_x0029,
    dd__TypeTestEnum__node_x0028_x0029
};
extern typedef enum dd__TypeTestEnum_ dd__TypeTestEnum;

extern enum dd__Units_ : LONG64 { // qualified names
    dd__Units__enum_x002d1_x003aHundredths_x002dMillimeter,
    dd__Units__enum_x002d1_x003aDPI,
    dd__Units__enum_x002d1_x003aThousandths_x002dInch
};
extern typedef enum dd__Units_ dd__Units;

extern enum dd__ValueType_ : LONG64 {
    dd__ValueType__boolean,
    dd__ValueType__float,
    dd__ValueType__integer
};
extern typedef enum dd__ValueType_ dd__ValueType;

extern enum dd__WarrantyStatusOptions_ : LONG64 {
    dd__WarrantyStatusOptions__active,
    dd__WarrantyStatusOptions__expired,
    dd__WarrantyStatusOptions__void,
    dd__WarrantyStatusOptions__revoked,
    dd__WarrantyStatusOptions__unknown
};
extern typedef enum dd__WarrantyStatusOptions_ dd__WarrantyStatusOptions;

extern enum dd__AxisEnumType_ : LONG64 {
    dd__AxisEnumType__self,
    dd__AxisEnumType__child,
    dd__AxisEnumType__parent,
    dd__AxisEnumType__descendant,
    dd__AxisEnumType__descendant_x002dor_x002dself,
    dd__AxisEnumType__ancestor,
    dd__AxisEnumType__ancestor_x002dor_x002dself,
    dd__AxisEnumType__following,
    dd__AxisEnumType__following_x002dsibling,
    dd__AxisEnumType__preceding,
    dd__AxisEnumType__preceding_x002dsibling,
    dd__AxisEnumType__attribute,
    dd__AxisEnumType__namespace
};
extern typedef enum dd__AxisEnumType_ dd__AxisEnumType;

extern enum dd__ComponentTypeEnum_ : LONG64 {
    dd__ComponentTypeEnum__bus,
    dd__ComponentTypeEnum__board,
    dd__ComponentTypeEnum__copier,
    dd__ComponentTypeEnum__copy,
    dd__ComponentTypeEnum__consumable,
    dd__ComponentTypeEnum__controlPanel,
    dd__ComponentTypeEnum__digitalStorage,
    dd__ComponentTypeEnum__digitalSend,
    dd__ComponentTypeEnum__email,
    dd__ComponentTypeEnum__fax,
    dd__ComponentTypeEnum__faxHW,
    dd__ComponentTypeEnum__feeder,
    dd__ComponentTypeEnum__io,
    dd__ComponentTypeEnum__mediaInput,
    dd__ComponentTypeEnum__mediaOutput,
    dd__ComponentTypeEnum__print,
    dd__ComponentTypeEnum__printEngine,
    dd__ComponentTypeEnum__scan,
    dd__ComponentTypeEnum__scanner,
    dd__ComponentTypeEnum__sensor,
    dd__ComponentTypeEnum__system,
    dd__ComponentTypeEnum__other
};
extern typedef enum dd__ComponentTypeEnum_ dd__ComponentTypeEnum;

extern enum dd__ConsumableLabelCodes_ : LONG64 {
    dd__ConsumableLabelCodes__B,
    dd__ConsumableLabelCodes__C,
    dd__ConsumableLabelCodes__dg,
    dd__ConsumableLabelCodes__E,
    dd__ConsumableLabelCodes__G,
    dd__ConsumableLabelCodes__GN,
    dd__ConsumableLabelCodes__K,
    dd__ConsumableLabelCodes__lc,
    dd__ConsumableLabelCodes__lg,
    dd__ConsumableLabelCodes__lm,
    dd__ConsumableLabelCodes__M,
    dd__ConsumableLabelCodes__mK,
    dd__ConsumableLabelCodes__O,
    dd__ConsumableLabelCodes__pK,
    dd__ConsumableLabelCodes__R,
    dd__ConsumableLabelCodes__V,
    dd__ConsumableLabelCodes__Y
};
extern typedef enum dd__ConsumableLabelCodes_ dd__ConsumableLabelCodes;

extern enum dd__ConsumableState_ : LONG64 {
    dd__ConsumableState__defectiveMemory,
    dd__ConsumableState__expired,
    dd__ConsumableState__failed,
    dd__ConsumableState__geniuneOrvantaUnsupported,
    dd__ConsumableState__incorrectConsumable,
    dd__ConsumableState__invalidStatus,
    dd__ConsumableState__missing,
    dd__ConsumableState__missingMemory,
    dd__ConsumableState__ok,
    dd__ConsumableState__pendingRemove,
    dd__ConsumableState__pendingReplace,
    dd__ConsumableState__pendingReseat,
    dd__ConsumableState__refilled,
    dd__ConsumableState__unknown
};
extern typedef enum dd__ConsumableState_ dd__ConsumableState;

extern enum dd__ConsumableTypeEnum_ : LONG64 {
    dd__ConsumableTypeEnum__adfMaintKit,
    dd__ConsumableTypeEnum__cleaner,
    dd__ConsumableTypeEnum__fuser,
    dd__ConsumableTypeEnum__imageCleaningKit,
    dd__ConsumableTypeEnum__imageDrum,
    dd__ConsumableTypeEnum__imageFuserKit,
    dd__ConsumableTypeEnum__imageTransferKit,
    dd__ConsumableTypeEnum__ink,
    dd__ConsumableTypeEnum__inkCartridge,
    dd__ConsumableTypeEnum__inkRibbon,
    dd__ConsumableTypeEnum__preventiveMaintenanceKit,
    dd__ConsumableTypeEnum__printhead,
    dd__ConsumableTypeEnum__toner,
    dd__ConsumableTypeEnum__tonerCartridge
};
extern typedef enum dd__ConsumableTypeEnum_ dd__ConsumableTypeEnum;

extern enum dd__InputBin_ : LONG64 {
    dd__InputBin__ADF,
    dd__InputBin__EnvFeed,
    dd__InputBin__Flatbed,
    dd__InputBin__PrinterSelect,
    dd__InputBin__Tray1,
    dd__InputBin__Tray2,
    dd__InputBin__Tray3,
    dd__InputBin__Tray4,
    dd__InputBin__Tray5,
    dd__InputBin__Tray6,
    dd__InputBin__Tray7,
    dd__InputBin__Tray8,
    dd__InputBin__Tray9,
    dd__InputBin__Tray10,
    dd__InputBin__Tray11,
    dd__InputBin__Tray12,
    dd__InputBin__Tray13,
    dd__InputBin__Tray14,
    dd__InputBin__Tray15,
    dd__InputBin__Roll1,
    dd__InputBin__Roll2,
    dd__InputBin__Roll3,
    dd__InputBin__Roll4,
    dd__InputBin__ManualFeed,
    dd__InputBin__RearManualFeed,
    dd__InputBin__PhotoTray,
    dd__InputBin__MultiPurpose_Tray,
    dd__InputBin__External,
    dd__InputBin__Other
};
extern typedef enum dd__InputBin_ dd__InputBin;

extern enum dd__OrvantaMediaSizeWKV_ : LONG64 {
    dd__OrvantaMediaSizeWKV__a3_or_ledger,
    dd__OrvantaMediaSizeWKV__a4_or_letter,
    dd__OrvantaMediaSizeWKV__any,
    dd__OrvantaMediaSizeWKV__any_custom,
    dd__OrvantaMediaSizeWKV__b4_or_legal,
    dd__OrvantaMediaSizeWKV__b5_or_executive,
    dd__OrvantaMediaSizeWKV__custom,
    dd__OrvantaMediaSizeWKV__custom_or_other,
    dd__OrvantaMediaSizeWKV__iso_a4_x002drot_210x297mm,
    dd__OrvantaMediaSizeWKV__na_arch_x002de1_30x42in,
    dd__OrvantaMediaSizeWKV__na_arch_x002de2_26x38in,
    dd__OrvantaMediaSizeWKV__na_arch_x002de3_27x39in,
    dd__OrvantaMediaSizeWKV__na_letter_x002drot_8_x002e5x11in,
    dd__OrvantaMediaSizeWKV__na_tabloid_x002dextra_12x18in,
    dd__OrvantaMediaSizeWKV__prc_8k_260x368mm,
    dd__OrvantaMediaSizeWKV__prc_8k_270x390mm,
    dd__OrvantaMediaSizeWKV__prc_16k_184x260mm,
    dd__OrvantaMediaSizeWKV__prc_16k_195x270mm,
    dd__OrvantaMediaSizeWKV__unknown
};
extern typedef enum dd__OrvantaMediaSizeWKV_ dd__OrvantaMediaSizeWKV;

extern enum dd__OrvantaOutputBinWKV_ : LONG64 {
    dd__OrvantaOutputBinWKV__Auto,
    dd__OrvantaOutputBinWKV__OutputBin1,
    dd__OrvantaOutputBinWKV__OutputBin2,
    dd__OrvantaOutputBinWKV__OutputBin3,
    dd__OrvantaOutputBinWKV__OutputBin4,
    dd__OrvantaOutputBinWKV__OutputBin5,
    dd__OrvantaOutputBinWKV__OutputBin6,
    dd__OrvantaOutputBinWKV__OutputBin7,
    dd__OrvantaOutputBinWKV__OutputBin8,
    dd__OrvantaOutputBinWKV__Stapler,
    dd__OrvantaOutputBinWKV__Stacker,
    dd__OrvantaOutputBinWKV__Collator,
    dd__OrvantaOutputBinWKV__Stacker_x002dStaples,
    dd__OrvantaOutputBinWKV__StackerFaceUp,
    dd__OrvantaOutputBinWKV__StackerFaceDown,
    dd__OrvantaOutputBinWKV__Booklet,
    dd__OrvantaOutputBinWKV__External,
    dd__OrvantaOutputBinWKV__Other
};
extern typedef enum dd__OrvantaOutputBinWKV_ dd__OrvantaOutputBinWKV;

extern enum dd__Unit_ : LONG64 {
    dd__Unit__1KImpressionsAt5PercentCoverage,
    dd__Unit__10KImpressionsAt5PercentCoverage,
    dd__Unit__bit,
    dd__Unit__byte,
    dd__Unit__bytes,
    dd__Unit__celsius,
    dd__Unit__characters,
    dd__Unit__dotRows,
    dd__Unit__drops,
    dd__Unit__feet,
    dd__Unit__femtoliters,
    dd__Unit__grams,
    dd__Unit__gigabyte,
    dd__Unit__hours,
    dd__Unit__hundredthsOfFluidOunces,
    dd__Unit__impressions,
    dd__Unit__ImpressionsAt5PercentCoverage,
    dd__Unit__items,
    dd__Unit__jobs,
    dd__Unit__kilobyte,
    dd__Unit__kPixels,
    dd__Unit__lines,
    dd__Unit__longWebAdvances,
    dd__Unit__megabyte,
    dd__Unit__meters,
    dd__Unit__microliters,
    dd__Unit__micrometers,
    dd__Unit__milliampere,
    dd__Unit__milliDegreesCelsius,
    dd__Unit__milliliter,
    dd__Unit__milliliters,
    dd__Unit__minutes,
    dd__Unit__nanoliters,
    dd__Unit__other,
    dd__Unit__pages,
    dd__Unit__percent,
    dd__Unit__picks,
    dd__Unit__picoliters,
    dd__Unit__pixels,
    dd__Unit__seconds,
    dd__Unit__sheets,
    dd__Unit__shortWebAdvances,
    dd__Unit__slots,
    dd__Unit__squareFeet,
    dd__Unit__squareInches,
    dd__Unit__squareMeters,
    dd__Unit__staple_x002dsheets,
    dd__Unit__staples,
    dd__Unit__tenThousandthsOfInches,
    dd__Unit__tenthsOfGrams,
    dd__Unit__thousandthsOfOunces,
    dd__Unit__tenthsOfMilliliters,
    dd__Unit__terabyte,
    dd__Unit__unknown
};
extern typedef enum dd__Unit_ dd__Unit;

extern enum dd__KnownResults_ : LONG64 {
    dd__KnownResults__AbortComplete,
    dd__KnownResults__AbortInProgress,
    dd__KnownResults__AttributeDoesNotExist,
    dd__KnownResults__AuthMethodNotSupported,
    dd__KnownResults__AuthenticationRequired,
    dd__KnownResults__AuthenticationFailure,
    dd__KnownResults__AuthenticationError,
    dd__KnownResults__BlankPassword,
    dd__KnownResults__ChannelPrivacyRequired,
    dd__KnownResults__ClientTimeExceeded,
    dd__KnownResults__CommunicationError,
    dd__KnownResults__DatabaseNotAlphabetized,
    dd__KnownResults__EmailAddressNotFound,
    dd__KnownResults__Failed,
    dd__KnownResults__FaxNumberNotFound,
    dd__KnownResults__FolderDoesNotExist,
    dd__KnownResults__FolderIsNotAccessible,
    dd__KnownResults__FunctionInvoked,
    dd__KnownResults__GeneralSMTPError,
    dd__KnownResults__IncompatibleValues,
    dd__KnownResults__InitializationFailed,
    dd__KnownResults__InternalError,
    dd__KnownResults__InvalidBindMethod,
    dd__KnownResults__InvalidCredentials,
    dd__KnownResults__InvalidEmailAttribute,
    dd__KnownResults__InvalidFaxAttribute,
    dd__KnownResults__InvalidFileFormat,
    dd__KnownResults__InvalidFunction,
    dd__KnownResults__InvalidKey,
    dd__KnownResults__InvalidNameAttribute,
    dd__KnownResults__InvalidObject,
    dd__KnownResults__InvalidPassword,
    dd__KnownResults__InvalidRequest,
    dd__KnownResults__InvalidSearchRoot,
    dd__KnownResults__InvalidService,
    dd__KnownResults__InvalidUsername,
    dd__KnownResults__InvalidUserPrivileges,
    dd__KnownResults__InvalidValue,
    dd__KnownResults__MalformedTicket,
    dd__KnownResults__MemoryError,
    dd__KnownResults__MissingElements,
    dd__KnownResults__NoAttributesValues,
    dd__KnownResults__NoEntriesFound,
    dd__KnownResults__NoPrivateChannelAvail,
    dd__KnownResults__NoResponse,
    dd__KnownResults__NotAPrivateChannel,
    dd__KnownResults__OperationDenied,
    dd__KnownResults__OperationExpired,
    dd__KnownResults__OperationIDUnknown,
    dd__KnownResults__OperationInProgress,
    dd__KnownResults__OperationInvalidParameter,
    dd__KnownResults__OperationInvalidValue,
    dd__KnownResults__OperationNotImplemented,
    dd__KnownResults__OperationUnexpectedError,
    dd__KnownResults__OperationUnknownParameter,
    dd__KnownResults__OutOfMemory,
    dd__KnownResults__ReadOnly,
    dd__KnownResults__RequiresSSLConnection,
    dd__KnownResults__ReplicationAborted,
    dd__KnownResults__ReplicationCompleted,
    dd__KnownResults__ReplicationInProgress,
    dd__KnownResults__SearchCallTimeOut,
    dd__KnownResults__ServerBusy,
    dd__KnownResults__ServerNotAvailable,
    dd__KnownResults__Success,
    dd__KnownResults__TicketOverflow,
    dd__KnownResults__TimedOut,
    dd__KnownResults__TimeoutError,
    dd__KnownResults__TooBusy,
    dd__KnownResults__UnableToConnect,
    dd__KnownResults__UnableToLogon,
    dd__KnownResults__UnableToLogoff,
    dd__KnownResults__UnableToRead,
    dd__KnownResults__UnableToWrite,
    dd__KnownResults__UnexpectedFailure,
    dd__KnownResults__Unknown,
    dd__KnownResults__UnknownElements,
    dd__KnownResults__Unsupported
};
extern typedef enum dd__KnownResults_ dd__KnownResults;

extern enum dd__CurrentAlertID_ : LONG64 {
    dd__CurrentAlertID__badDuplexerConnection,
    dd__CurrentAlertID__badOptionalTrayConnection,
    dd__CurrentAlertID__busyDataReceived,
    dd__CurrentAlertID__cancelJob,
    dd__CurrentAlertID__cannotDuplexCheckRearBin,
    dd__CurrentAlertID__cannotDuplexCloseRearBin,
    dd__CurrentAlertID__cartridgeEmpty,
    dd__CurrentAlertID__cartridgeFailure,
    dd__CurrentAlertID__cartridgeLow,
    dd__CurrentAlertID__cartridgeMissing,
    dd__CurrentAlertID__cartridgesNotEngaged,
    dd__CurrentAlertID__cartridgeVeryLow,
    dd__CurrentAlertID__clearingPaperPath,
    dd__CurrentAlertID__closeFrontCovers,
    dd__CurrentAlertID__closeFrontDoor,
    dd__CurrentAlertID__closeUpperRearDoor,
    dd__CurrentAlertID__colorSupplyRunsOut,
    dd__CurrentAlertID__commBadSerialTransmission,
    dd__CurrentAlertID__commChosenPersonalityNotAvailable,
    dd__CurrentAlertID__commEIOXBadTransmission,
    dd__CurrentAlertID__commEIOXBufferOverflow,
    dd__CurrentAlertID__commParallelIOBufferOverflow,
    dd__CurrentAlertID__commSerialIOBufferOverflow,
    dd__CurrentAlertID__commUSBIOBufferOverflow,
    dd__CurrentAlertID__coverSheetFeederOutLower,
    dd__CurrentAlertID__coverSheetFeederOutUpper,
    dd__CurrentAlertID__cSSPLoadFrontStapler,
    dd__CurrentAlertID__cSSPLoadRearStapler,
    dd__CurrentAlertID__printerError,
    dd__CurrentAlertID__permanentStorageError,
    dd__CurrentAlertID__permanentStorageFull,
    dd__CurrentAlertID__permanentStorageWriteFail,
    dd__CurrentAlertID__eIODiskNotFunctional,
    dd__CurrentAlertID__fileOperationFailed,
    dd__CurrentAlertID__fileSystemFull,
    dd__CurrentAlertID__fileSystemPrinterFailure,
    dd__CurrentAlertID__fileSystemWriteProtected,
    dd__CurrentAlertID__fuserJamLowerLeftDoor,
    dd__CurrentAlertID__fuserJamLowerRearDoor,
    dd__CurrentAlertID__genericJam,
    dd__CurrentAlertID__genuineOrvanta,
    dd__CurrentAlertID__genuineOrvantaSuppliesForAnotherPrinter,
    dd__CurrentAlertID__incorrectCartridge,
    dd__CurrentAlertID__incorrectSupplies,
    dd__CurrentAlertID__inPowerSave,
    dd__CurrentAlertID__installCartridge,
    dd__CurrentAlertID__installDrum,
    dd__CurrentAlertID__installCleaner,
    dd__CurrentAlertID__installFuser,
    dd__CurrentAlertID__installSupplies,
    dd__CurrentAlertID__installTransferUnit,
    dd__CurrentAlertID__insufficientMemory,
    dd__CurrentAlertID__internalClockError,
    dd__CurrentAlertID__jamInsideFrontDoor,
    dd__CurrentAlertID__jamInsideFrontDoorRemoveTransparency,
    dd__CurrentAlertID__jamInsideLowerRearDoor,
    dd__CurrentAlertID__jamInsideTopCover,
    dd__CurrentAlertID__jamInsideUpperRearDoor,
    dd__CurrentAlertID__jamInMiddleDrawer,
    dd__CurrentAlertID__jamInTray,
    dd__CurrentAlertID__loadTray,
    dd__CurrentAlertID__manuallyFeed,
    dd__CurrentAlertID__manuallyFeedOutputStack,
    dd__CurrentAlertID__missingPrintHead,
    dd__CurrentAlertID__multipleJamsInDuplexPath,
    dd__CurrentAlertID__multipleJamsInPaperPath,
    dd__CurrentAlertID__nonOrvantaSupply,
    dd__CurrentAlertID__orderCartridge,
    dd__CurrentAlertID__orderDrum,
    dd__CurrentAlertID__orderCleaningKit,
    dd__CurrentAlertID__orderFuserKit,
    dd__CurrentAlertID__orderSupplies,
    dd__CurrentAlertID__orderTransferKit,
    dd__CurrentAlertID__outputBinFull,
    dd__CurrentAlertID__paused,
    dd__CurrentAlertID__performPrinterMaintenance,
    dd__CurrentAlertID__pleaseWaitMessage,
    dd__CurrentAlertID__reloadTransparency,
    dd__CurrentAlertID__removePrintHead,
    dd__CurrentAlertID__replaceCartridge,
    dd__CurrentAlertID__replaceCartridgeLowStop,
    dd__CurrentAlertID__replaceCartridgeOut,
    dd__CurrentAlertID__replaceCartridgeOutStop,
    dd__CurrentAlertID__replaceDrumLowStop,
    dd__CurrentAlertID__replaceDrumOutStop,
    dd__CurrentAlertID__replaceCleanKitStop,
    dd__CurrentAlertID__replaceFuserKit,
    dd__CurrentAlertID__replaceFuserKitStop,
    dd__CurrentAlertID__replacePrintHead,
    dd__CurrentAlertID__replaceSuppliesLowStop,
    dd__CurrentAlertID__replaceSuppliesOutStop,
    dd__CurrentAlertID__replaceTransferKit,
    dd__CurrentAlertID__replaceTransferKitStop,
    dd__CurrentAlertID__reseatCartridge,
    dd__CurrentAlertID__reseatPrintHead,
    dd__CurrentAlertID__sizeMismatchInTray,
    dd__CurrentAlertID__supplyMemory,
    dd__CurrentAlertID__trayEmpty,
    dd__CurrentAlertID__trayEmptyOrOpen,
    dd__CurrentAlertID__trayOpen,
    dd__CurrentAlertID__typeMismatchInTray,
    dd__CurrentAlertID__unableToMopyJob,
    dd__CurrentAlertID__unableToStoreJob,
    dd__CurrentAlertID__unauthorizedSupply,
    dd__CurrentAlertID__unauthorizedSupplyInUse,
    dd__CurrentAlertID__unexpectedSizeInTray,
    dd__CurrentAlertID__unexpectedTypeInTray,
    dd__CurrentAlertID__waitingForRestart
};
extern typedef enum dd__CurrentAlertID_ dd__CurrentAlertID;

extern enum dd__DeprecatedAlertID_ : LONG64 {
    dd__DeprecatedAlertID__incorrectBlackCartridge,
    dd__DeprecatedAlertID__incorrectCyanCartridge,
    dd__DeprecatedAlertID__incorrectMagentaCartridge,
    dd__DeprecatedAlertID__incorrectYellowCartridge,
    dd__DeprecatedAlertID__installBlackCartridge,
    dd__DeprecatedAlertID__installBlackDrum,
    dd__DeprecatedAlertID__installCyanCartridge,
    dd__DeprecatedAlertID__installCyanDrum,
    dd__DeprecatedAlertID__installMagentaCartridge,
    dd__DeprecatedAlertID__installMagentaDrum,
    dd__DeprecatedAlertID__installYellowCartridge,
    dd__DeprecatedAlertID__installYellowDrum,
    dd__DeprecatedAlertID__jamInTray1,
    dd__DeprecatedAlertID__jamInTray2,
    dd__DeprecatedAlertID__jamInTray3,
    dd__DeprecatedAlertID__jamInTray4,
    dd__DeprecatedAlertID__jamInTray5,
    dd__DeprecatedAlertID__jamInTray6,
    dd__DeprecatedAlertID__jamInTrayX,
    dd__DeprecatedAlertID__loadTray1,
    dd__DeprecatedAlertID__loadTray2,
    dd__DeprecatedAlertID__loadTray3,
    dd__DeprecatedAlertID__loadTray4,
    dd__DeprecatedAlertID__loadTray5,
    dd__DeprecatedAlertID__loadTray6,
    dd__DeprecatedAlertID__orderBlackCartridge,
    dd__DeprecatedAlertID__orderBlackDrum,
    dd__DeprecatedAlertID__orderCyanCartridge,
    dd__DeprecatedAlertID__orderCyanDrum,
    dd__DeprecatedAlertID__orderMagentaCartridge,
    dd__DeprecatedAlertID__orderMagentaDrum,
    dd__DeprecatedAlertID__orderYellowCartridge,
    dd__DeprecatedAlertID__orderYellowDrum,
    dd__DeprecatedAlertID__e41PrinterError,
    dd__DeprecatedAlertID__e50FuserError,
    dd__DeprecatedAlertID__e51PrinterError,
    dd__DeprecatedAlertID__e52PrinterError,
    dd__DeprecatedAlertID__e54PrinterError,
    dd__DeprecatedAlertID__e55PrinterError,
    dd__DeprecatedAlertID__e56PrinterError,
    dd__DeprecatedAlertID__e57PrinterError,
    dd__DeprecatedAlertID__e58PrinterError,
    dd__DeprecatedAlertID__e59PrinterError,
    dd__DeprecatedAlertID__e60PrinterError,
    dd__DeprecatedAlertID__e68PermanentStorageError,
    dd__DeprecatedAlertID__e68PermanentStorageFull,
    dd__DeprecatedAlertID__e68PermanentStorageWriteFail,
    dd__DeprecatedAlertID__e69PrinterError,
    dd__DeprecatedAlertID__reloadTray1Transparency,
    dd__DeprecatedAlertID__reloadTray2Transparency,
    dd__DeprecatedAlertID__reloadTray3Transparency,
    dd__DeprecatedAlertID__reloadTrayTransparency,
    dd__DeprecatedAlertID__replaceBlackCartridgeLowStop,
    dd__DeprecatedAlertID__replaceBlackCartridgeOut,
    dd__DeprecatedAlertID__replaceBlackCartridgeOutStop,
    dd__DeprecatedAlertID__replaceBlackDrumLowStop,
    dd__DeprecatedAlertID__replaceBlackDrumOutStop,
    dd__DeprecatedAlertID__replaceCyanCartridgeLowStop,
    dd__DeprecatedAlertID__replaceCyanCartridgeOut,
    dd__DeprecatedAlertID__replaceCyanCartridgeOutStop,
    dd__DeprecatedAlertID__replaceCyanDrumLowStop,
    dd__DeprecatedAlertID__replaceCyanDrumOutStop,
    dd__DeprecatedAlertID__replaceMagentaCartridgeLowStop,
    dd__DeprecatedAlertID__replaceMagentaCartridgeOut,
    dd__DeprecatedAlertID__replaceMagentaCartridgeOutStop,
    dd__DeprecatedAlertID__replaceMagentaDrumLowStop,
    dd__DeprecatedAlertID__replaceMagentaDrumOutStop,
    dd__DeprecatedAlertID__replaceYellowCartridgeLowStop,
    dd__DeprecatedAlertID__replaceYellowCartridgeOut,
    dd__DeprecatedAlertID__replaceYellowCartridgeOutStop,
    dd__DeprecatedAlertID__replaceYellowDrumLowStop,
    dd__DeprecatedAlertID__replaceYellowDrumOutStop,
    dd__DeprecatedAlertID__sizeMismatchInTray1,
    dd__DeprecatedAlertID__sizeMismatchInTray2,
    dd__DeprecatedAlertID__sizeMismatchInTray3,
    dd__DeprecatedAlertID__sizeMismatchInTray4,
    dd__DeprecatedAlertID__sizeMismatchInTray5,
    dd__DeprecatedAlertID__sizeMismatchInTray6,
    dd__DeprecatedAlertID__tray1Empty,
    dd__DeprecatedAlertID__tray1EmptyOrOpen,
    dd__DeprecatedAlertID__tray1Open,
    dd__DeprecatedAlertID__tray2EmptyOrOpen,
    dd__DeprecatedAlertID__tray2Open,
    dd__DeprecatedAlertID__tray3EmptyOrOpen,
    dd__DeprecatedAlertID__tray3Open,
    dd__DeprecatedAlertID__tray4EmptyOrOpen,
    dd__DeprecatedAlertID__tray4Open,
    dd__DeprecatedAlertID__tray5EmptyOrOpen,
    dd__DeprecatedAlertID__tray5Open,
    dd__DeprecatedAlertID__tray6EmptyOrOpen,
    dd__DeprecatedAlertID__tray6Open,
    dd__DeprecatedAlertID__typeMismatchInTray1,
    dd__DeprecatedAlertID__typeMismatchInTray2,
    dd__DeprecatedAlertID__typeMismatchInTray3,
    dd__DeprecatedAlertID__typeMismatchInTray4,
    dd__DeprecatedAlertID__typeMismatchInTray5,
    dd__DeprecatedAlertID__typeMismatchInTray6,
    dd__DeprecatedAlertID__unexpectedSizeInTray1,
    dd__DeprecatedAlertID__unexpectedSizeInTray2,
    dd__DeprecatedAlertID__unexpectedSizeInTray3,
    dd__DeprecatedAlertID__unexpectedSizeInTray4,
    dd__DeprecatedAlertID__unexpectedSizeInTray5,
    dd__DeprecatedAlertID__unexpectedSizeInTray6,
    dd__DeprecatedAlertID__unexpectedTypeInTray1,
    dd__DeprecatedAlertID__unexpectedTypeInTray2,
    dd__DeprecatedAlertID__unexpectedTypeInTray3,
    dd__DeprecatedAlertID__unexpectedTypeInTray4,
    dd__DeprecatedAlertID__unexpectedTypeInTray5,
    dd__DeprecatedAlertID__unexpectedTypeInTray6
};
extern typedef enum dd__DeprecatedAlertID_ dd__DeprecatedAlertID;

/* Enumeration aliases: the same code table under another type name. */

extern typedef enum pwg__IANACharset_ dd__CharSet;
extern typedef enum dd__ComponentTypeEnum_ dd__HardwareTypeEnum;
extern typedef enum dd__ComponentTypeEnum_ dd__ImagingDeviceFunctionTypeEnum;
extern typedef enum dd__Unit_ dd__MarkerUnit;

/* String types: text content; patterns and restrictions are not enforced. */

typedef std::string dd__AccessControl;
typedef std::string dd__AccessControlPattern;
typedef std::string dd__AlertID;
typedef std::string dd__AutomaticResourceSaving;
typedef std::string dd__Color;
typedef std::string dd__ComponentType;
typedef std::string dd__ComponentTypePattern;
typedef std::string dd__DataString;
typedef std::string dd__Date;
typedef std::string dd__Description;
typedef std::string dd__Descriptor;
typedef std::string dd__DigitalSendingServer;
typedef std::string dd__DocumentEncoding;
typedef std::string dd__DocumentTypePattern;
typedef std::string dd__EventCode;
typedef std::string dd__FamilyName;
typedef std::string dd__FileName;
typedef std::string dd__Filter;
typedef std::string dd__Finishings;
typedef std::string dd__FireWireMacAddress;
typedef std::string dd__FriendlyName;
typedef std::string dd__FuserMode;
typedef std::string dd__HardwareAddress;
typedef std::string dd__idKey;
typedef std::string dd__idKeyRef;
typedef std::string dd__InternalErrorCode;
typedef std::string dd__IPAddress;
typedef std::string dd__IPConfigMethod;
typedef std::string dd__IPv4Address;
typedef std::string dd__IPv6Address;
typedef std::string dd__JobState;
typedef std::string dd__Language;
typedef std::string dd__LastUse;
typedef std::string dd__LDAPGateway;
typedef std::string dd__MacAddress;
typedef std::string dd__MakeAndModel;
typedef std::string dd__MarkerColor;
typedef std::string dd__MasterBrand;
typedef std::string dd__MaxCapacity;
typedef std::string dd__MediaCoating;
typedef std::string dd__MediaColor;
typedef std::string dd__ModelNumber;
typedef std::string dd__Modifier;
typedef std::string dd__Name;
typedef std::string dd__NICMacAddress;
typedef std::string dd__OrvantaDeviceStates;
typedef std::string dd__OrvantaExtensibilityPattern;
typedef std::string dd__OrvantaJobStateReasonsWKV;
typedef std::string dd__OrvantaJobStateWKV;
typedef std::string dd__OrvantaMediaSizes;
typedef std::string dd__OrvantaMediaTypeExtensionPattern;
typedef std::string dd__OrvantaMediaTypes;
typedef std::string dd__OutputBin;
typedef std::string dd__PartNumber;
typedef std::string dd__Percent;
typedef std::string dd__PlexResult;
typedef std::string dd__Port;
typedef std::string dd__Position;
typedef std::string dd__PrintDensity;
typedef std::string dd__PrintHeadPercentOfFiredInk;
typedef std::string dd__PrintQuality;
typedef std::string dd__ProductNumber;
typedef std::string dd__Revision;
typedef std::string dd__Selector;
typedef std::string dd__SequenceNumber;
typedef std::string dd__SerialNumber;
typedef std::string dd__ServiceID;
typedef std::string dd__Sides;
typedef std::string dd__SMTPGateway;
typedef std::string dd__String;
typedef std::string dd__UUID;
typedef std::string dd__ValueInt;

/* Numeric, boolean and date aliases. */

typedef int dd__DataInt;
typedef int dd__IDNumber;
typedef int dd__Int;
typedef unsigned int dd__DataUnsignedInt;
typedef float dd__Float;
typedef float dd__LensSetting;
typedef float dd__ValueFloat;
typedef time_t dd__TimeStamp_;
typedef bool dd__PredicateBool;

/* Complex types. */

class dd__AccessControlEntry;
class dd__AccessControlList;
class dd__ActionAccess;
class dd__Alert;
class dd__AlertPayload;
class dd__Capacity;
class dd__ColorDensity;
class dd__ConsumableStateGroup;
class dd__ContentFormat;
class dd__ContentResponse;
class dd__ContentSource;
class dd__Counter;
class dd__CountFloat;
class dd__CountInteger;
class dd__CYMK;
class dd__DataHexBinary;
class dd__DeviceAlerts;
class dd__Diagnostics;
class dd__ErrorEvent;
class dd__Event;
class dd__FeederMode;
class dd__HealthMeasure;
class dd__InkUsed;
class dd__Installation;
class dd__Interpreter;
class dd__Interval;
class dd__JobStateReasons;
class dd__Level;
class dd__LocalizedString;
class dd__Maintenance;
class dd__Manufacturer;
class dd__Margins;
class dd__MediaCollection;
class dd__PageOverrides;
class dd__PageRanges;
class dd__Parameter;
class dd__PrintResolution;
class dd__ProductDescription;
class dd__RawData;
class dd__Rectangle;
class dd__Reseller;
class dd__Resolution_1D;
class dd__Sensor;
class dd__Service;
class dd__SoftwareSwitches;
class dd__SourceCode;
class dd__SupportedMedia;
class dd__SystemClock;
class dd__ThresholdInt;
class dd__Type;
class dd__Version;
class dd__Warranty;

class dd__AccessControlEntry {
  public:
    @dd__idKey *id;
    dd__AccessControlPattern *dd__AccessControlPattern_;
    std::vector<dd__ActionAccess *> dd__ActionAccess_;
    struct soap *soap;
};

class dd__AccessControlList {
  public:
    std::vector<dd__AccessControlEntry *> dd__AccessControlEntry_;
    struct soap *soap;
};

class dd__ActionAccess {
  public:
    dd__Action dd__Action_ 1;
    dd__AccessControlEnum dd__AccessControlEnum_ 1;
    struct soap *soap;
};

class dd__Alert {
  public:
    dd__AlertID *dd__AlertID_;
    dd__Severity *dd__Severity_;
    dd__ComponentType *dd__ComponentType_;
    dd__TimeStamp_ *dd__TimeStamp;
    dd__AlertPayload *dd__AlertPayload_;
    struct soap *soap;
};

class dd__AlertPayload {
  public:
    _XML __any;
    struct soap *soap;
};

class dd__Capacity {
  public:
    @dd__MeasurementSource *measurementSource;
    @dd__idKey *id;
    dd__MaxCapacity *dd__MaxCapacity_;
    dd__Unit *dd__Unit_;
    struct soap *soap;
};

class dd__ColorDensity {
  public:
    dd__MarkerColor *dd__MarkerColor_;
    dd__PrintDensity *dd__PrintDensity_;
    struct soap *soap;
};

class dd__ConsumableStateGroup {
  public:
    std::vector<dd__ConsumableState> dd__ConsumableState_;
    struct soap *soap;
};

class dd__ContentFormat {
  public:
    dd__DocumentEncoding *dd__DocumentEncoding_;
    dd__CharSet *dd__CharSet_;
    struct soap *soap;
};

class dd__ContentResponse {
  public:
    dd__KnownResults *dd__KnownResults_;
    dd__ContentFormat *dd__ContentFormat_;
    dd__ContentSource *dd__ContentSource_;
    struct soap *soap;
};

class dd__ContentSource {
  public:
    dd__SourceType *dd__SourceType_;
    dd__String *dd__String_;
    struct soap *soap;
};

class dd__Counter {
  public:
    @dd__CounterTypeEnum *type;
    dd__Name *dd__Name_;
    dd__CountInteger *dd__CountInteger_;
    dd__Unit *dd__Unit_;
    struct soap *soap;
};

class dd__CountFloat {
  public:
    @dd__CountScalingEnum *scaling;
    float __item;
    struct soap *soap;
};

class dd__CountInteger {
  public:
    @dd__CountScalingEnum *scaling;
    int __item;
    struct soap *soap;
};

class dd__CYMK {
  public:
    dd__Percent *dd__Cyan;
    dd__Percent *dd__Yellow;
    dd__Percent *dd__Magenta;
    dd__Percent *dd__Black;
    struct soap *soap;
};

class dd__DataHexBinary {
  public:
    dd__DataString *dd__DataString_;
    struct soap *soap;
};

class dd__DeviceAlerts {
  public:
    std::vector<dd__Alert *> dd__Alert_;
    struct soap *soap;
};

class dd__Diagnostics {
  public:
    dd__IOStatus *dd__IOStatus_;
    dd__InternalErrorCode *dd__InternalErrorCode_;
    dd__Description *dd__Description_;
    struct soap *soap;
};

class dd__ErrorEvent {
  public:
    dd__EventCode *dd__EventCode_;
    dd__Severity *dd__Severity_;
    dd__TimeStamp_ *dd__TimeStamp;
    dd__Description *dd__Description_;
    struct soap *soap;
};

class dd__Event {
  public:
    dd__EventCode *dd__EventCode_;
    dd__Category *dd__Category_;
    dd__TimeStamp_ *dd__TimeStamp;
    dd__Description *dd__Description_;
    struct soap *soap;
};

class dd__FeederMode {
  public:
    dd__Feed *dd__Feed_;
    dd__EnableDisable *dd__EnableDisable_;
    struct soap *soap;
};

class dd__HealthMeasure {
  public:
    dd__MeasuredQuantityState *dd__MeasuredQuantityState_;
    dd__Capacity *dd__Capacity_;
    dd__Level *dd__Level_;
    struct soap *soap;
};

class dd__InkUsed {
  public:
    dd__MarkerColor *dd__MarkerColor_;
    dd__CountFloat *dd__CountFloat_;
    dd__Unit *dd__Unit_;
    struct soap *soap;
};

class dd__Installation {
  public:
    dd__Date *dd__Date_;
    dd__LocationTypeEnum *dd__LocationTypeEnum_;
    dd__Position *dd__Position_;
    struct soap *soap;
};

class dd__Interpreter {
  public:
    dd__Name *dd__Name_;
    dd__Version *dd__Version_;
    dd__DefaultPDLInterpreterOrientation *dd__DefaultPDLInterpreterOrientation_;
    struct soap *soap;
};

class dd__Interval {
  public:
    dd__IntervalType *dd__IntervalType_;
    dd__CountInteger *dd__CountInteger_;
    struct soap *soap;
};

class dd__JobStateReasons {
  public:
    std::vector<dd__OrvantaJobStateReasonsWKV> dd__OrvantaJobStateReasonsWKV_;
    struct soap *soap;
};

class dd__Level {
  public:
    dd__CountInteger *dd__CountInteger_;
    dd__Percent *dd__Percent_;
    dd__ThresholdInt *dd__ThresholdInt_;
    struct soap *soap;
};

class dd__LocalizedString {
  public:
    @dd__Language *xml__lang;
    std::string __item;
    struct soap *soap;
};

class dd__Maintenance {
  public:
    dd__Interval *dd__Interval_;
    dd__LastUse *dd__LastUse_;
    dd__PartNumber *dd__PartNumber_;
    struct soap *soap;
};

class dd__Manufacturer {
  public:
    dd__Name *dd__Name_;
    dd__MasterBrand *dd__MasterBrand_;
    dd__Date *dd__Date_;
    struct soap *soap;
};

class dd__Margins {
  public:
    dd__MarginsType *dd__MarginsType_;
    dd__Int *dd__Top;
    dd__Int *dd__Bottom;
    dd__Int *dd__Left;
    dd__Int *dd__Right;
    dd__Units *dd__Units_;
    struct soap *soap;
};

class dd__MediaCollection {
  public:
    dd__OrvantaMediaSizes *dd__OrvantaMediaSizes_;
    dd__OrvantaMediaTypes *dd__OrvantaMediaTypes_;
    dd__MediaColor *dd__MediaColor_;
    dd__MediaCoating *dd__MediaCoating_;
    struct soap *soap;
};

class dd__PageOverrides {
  public:
    dd__PageRanges *dd__PageRanges_;
    dd__MediaCollection *dd__MediaCollection_;
    dd__PageOrientation *dd__PageOrientation_;
    struct soap *soap;
};

class dd__PageRanges {
  public:
    dd__Int *dd__Start;
    dd__Int *dd__End;
    struct soap *soap;
};

class dd__Parameter {
  public:
    dd__Name *dd__Name_;
    dd__ValueType *dd__ValueType_;
    dd__String *dd__String_;
    struct soap *soap;
};

class dd__PrintResolution {
  public:
    dd__Resolution_1D *dd__ResolutionX;
    dd__Resolution_1D *dd__ResolutionY;
    dd__PrintResolutionSetting *dd__PrintResolutionSetting_;
    struct soap *soap;
};

class dd__ProductDescription {
  public:
    dd__MakeAndModel *dd__MakeAndModel_;
    dd__ProductNumber *dd__ProductNumber_;
    dd__SerialNumber *dd__SerialNumber_;
    dd__FamilyName *dd__FamilyName_;
    dd__Manufacturer *dd__Manufacturer_;
    struct soap *soap;
};

class dd__RawData {
  public:
    dd__DataHexBinary *dd__DataHexBinary_;
    dd__DataInt *dd__DataInt_;
    dd__DataUnsignedInt *dd__DataUnsignedInt_;
    struct soap *soap;
};

class dd__Rectangle {
  public:
    dd__Int *dd__Width;
    dd__Int *dd__Height;
    dd__Units *dd__Units_;
    struct soap *soap;
};

class dd__Reseller {
  public:
    dd__Name *dd__Name_;
    dd__Description *dd__Description_;
    struct soap *soap;
};

class dd__Resolution_1D {
  public:
    dd__Units *dd__Units_;
    dd__ValueInt *dd__ValueInt_;
    struct soap *soap;
};

class dd__Sensor {
  public:
    dd__SensorMeasurementType *dd__SensorMeasurementType_;
    dd__ValueFloat *dd__ValueFloat_;
    dd__Unit *dd__Unit_;
    dd__OnOff *dd__OnOff_;
    struct soap *soap;
};

class dd__Service {
  public:
    dd__ServiceID *dd__ServiceID_;
    dd__Name *dd__Name_;
    dd__Revision *dd__Revision_;
    dd__EnableDisable *dd__EnableDisable_;
    struct soap *soap;
};

class dd__SoftwareSwitches {
  public:
    std::vector<dd__Parameter *> dd__Parameter_;
    struct soap *soap;
};

class dd__SourceCode {
  public:
    dd__Revision *dd__Revision_;
    dd__Date *dd__Date_;
    struct soap *soap;
};

class dd__SupportedMedia {
  public:
    std::vector<dd__MediaCollection *> dd__MediaCollection_;
    std::vector<dd__InputBin> dd__InputBin_;
    struct soap *soap;
};

class dd__SystemClock {
  public:
    dd__ClockType *dd__ClockType_;
    dd__TimeStamp_ *dd__TimeStamp;
    struct soap *soap;
};

class dd__ThresholdInt {
  public:
    dd__Int *dd__Low;
    dd__Int *dd__High;
    struct soap *soap;
};

class dd__Type {
  public:
    dd__ComponentTypeEnum *dd__ComponentTypeEnum_;
    dd__Modifier *dd__Modifier_;
    struct soap *soap;
};

class dd__Version {
  public:
    dd__Revision *dd__Revision_;
    dd__Date *dd__Date_;
    struct soap *soap;
};

class dd__Warranty {
  public:
    dd__WarrantyStatusOptions *dd__WarrantyStatusOptions_;
    dd__Date *dd__Date_;
    struct soap *soap;
};

/* The XPath capability a device reports: payload of the XPath exception faults. */

/// One supported XPath feature: exactly one of the fourteen elements.
union _dd__XPathFeature {
    dd__NameTestEnum dd__NameTestEnum_;
    dd__AxisEnumType dd__AxisEnum;
    dd__EqualityExpressionEnum dd__EqualityExpressionEnum_;
    dd__BooleanExpressionEnum dd__BooleanExpressionEnum_;
    dd__LocationPathEnum dd__LocationPathEnum_;
    dd__NumericalExpressionEnum dd__NumericalExpressionEnum_;
    dd__RelationalExpressionEnum dd__RelationalExpressionEnum_;
    dd__NumberFuncEnum dd__NumberFuncEnum_;
    dd__NodeSetFuncEnum dd__NodeSetFuncEnum_;
    dd__TypeTestEnum dd__TypeTestEnum_;
    dd__PredicateBool dd__PredicateBool_;
    dd__LocationPathAbbrvEnum dd__LocationPathAbbrvEnum_;
    dd__BooleanFuncEnum dd__BooleanFuncEnum_;
    dd__StringFuncEnum dd__StringFuncEnum_;
};

/// A selector saying which element the item holds, then its value.
struct __dd__XPathFeature {
    int __union_XPathFeature;
    union _dd__XPathFeature union_XPathFeature;
};

/// Named with _USCORE so that its schema name keeps the underscore.
class dd__XPathExpressionSupport_USCOREt {
  public:
    dd__Revision dd__XPathVersionSupport 1;
    dd__DefaltIXAXPathType dd__DefaltIXAXPathType_ 1;
    /// The supported features, in document order; each is one choice element.
    int __size_XPathFeature 0;
    struct __dd__XPathFeature *__XPathFeature;
    struct soap *soap;
};

