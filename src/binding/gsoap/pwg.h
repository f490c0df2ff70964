// PWG Semantic Model types (prefix pwg): the well-known values of the 1.0 schema in its order.

/* Enumerations. Their code tables and text conversions are generated from these declarations
   at build time (EnumerationCodes.cmake), so that a number outside a table reads unchanged. */

extern enum pwg__CharsetWKV_ : LONG64 {
    pwg__CharsetWKV__adobe_x002dstandard_x002dencoding,
    pwg__CharsetWKV__adobe_x002dsymbol_x002dencoding,
    pwg__CharsetWKV__ansi_x002dx3_x002d110_x002d1983,
    pwg__CharsetWKV__asmo_x002d449,
    pwg__CharsetWKV__big5,
    pwg__CharsetWKV__big5_x002dhkscs,
    pwg__CharsetWKV__bocu_x002d1,
    pwg__CharsetWKV__bs_x002d4730,
    pwg__CharsetWKV__bs_x002dviewdata,
    pwg__CharsetWKV__cesu_x002d8,
    pwg__CharsetWKV__csa_x002dz243_x002d4_x002d1985_x002d1,
    pwg__CharsetWKV__csa_x002dz243_x002d4_x002d1985_x002d2,
    pwg__CharsetWKV__csa_x002dz243_x002d4_x002d1985_x002dgr,
    pwg__CharsetWKV__csn_x002d369103,
    pwg__CharsetWKV__dec_x002dmcs,
    pwg__CharsetWKV__din_x002d66003,
    pwg__CharsetWKV__dk_x002dus,
    pwg__CharsetWKV__ds_x002d2089,
    pwg__CharsetWKV__ebcdic_x002dat_x002dde,
    pwg__CharsetWKV__ebcdic_x002dat_x002dde_x002da,
    pwg__CharsetWKV__ebcdic_x002dca_x002dfr,
    pwg__CharsetWKV__ebcdic_x002ddk_x002dno,
    pwg__CharsetWKV__ebcdic_x002ddk_x002dno_x002da,
    pwg__CharsetWKV__ebcdic_x002des,
    pwg__CharsetWKV__ebcdic_x002des_x002da,
    pwg__CharsetWKV__ebcdic_x002des_x002ds,
    pwg__CharsetWKV__ebcdic_x002dfi_x002dse,
    pwg__CharsetWKV__ebcdic_x002dfi_x002dse_x002da,
    pwg__CharsetWKV__ebcdic_x002dfr,
    pwg__CharsetWKV__ebcdic_x002dit,
    pwg__CharsetWKV__ebcdic_x002dpt,
    pwg__CharsetWKV__ebcdic_x002duk,
    pwg__CharsetWKV__ebcdic_x002dus,
    pwg__CharsetWKV__ecma_x002dcyrillic,
    pwg__CharsetWKV__es,
    pwg__CharsetWKV__es2,
    pwg__CharsetWKV__euc_x002djp,
    pwg__CharsetWKV__euc_x002dkr,
    pwg__CharsetWKV__extended_x002dunix_x002dcode_x002dfixed_x002dwidth_x002dfor_x002djapanese,
    pwg__CharsetWKV__gb18030,
    pwg__CharsetWKV__gb_x002d1988_x002d80,
    pwg__CharsetWKV__gb2312,
    pwg__CharsetWKV__gb_x002d2312_x002d80,
    pwg__CharsetWKV__gbk,
    pwg__CharsetWKV__gost_x002d19768_x002d74,
    pwg__CharsetWKV__greek7,
    pwg__CharsetWKV__greek7_x002dold,
    pwg__CharsetWKV__greek_x002dccitt,
    pwg__CharsetWKV__hp_x002ddesktop,
    pwg__CharsetWKV__hp_x002dlegal,
    pwg__CharsetWKV__hp_x002dmath8,
    pwg__CharsetWKV__hp_x002dpi_x002dfont,
    pwg__CharsetWKV__hp_x002droman8,
    pwg__CharsetWKV__hz_x002dgb_x002d2312,
    pwg__CharsetWKV__ibm00858,
    pwg__CharsetWKV__ibm00924,
    pwg__CharsetWKV__ibm01140,
    pwg__CharsetWKV__ibm01141,
    pwg__CharsetWKV__ibm01142,
    pwg__CharsetWKV__ibm01143,
    pwg__CharsetWKV__ibm01144,
    pwg__CharsetWKV__ibm01145,
    pwg__CharsetWKV__ibm01146,
    pwg__CharsetWKV__ibm01147,
    pwg__CharsetWKV__ibm01148,
    pwg__CharsetWKV__ibm01149,
    pwg__CharsetWKV__ibm037,
    pwg__CharsetWKV__ibm038,
    pwg__CharsetWKV__ibm1026,
    pwg__CharsetWKV__ibm1047,
    pwg__CharsetWKV__ibm273,
    pwg__CharsetWKV__ibm274,
    pwg__CharsetWKV__ibm275,
    pwg__CharsetWKV__ibm277,
    pwg__CharsetWKV__ibm278,
    pwg__CharsetWKV__ibm280,
    pwg__CharsetWKV__ibm281,
    pwg__CharsetWKV__ibm284,
    pwg__CharsetWKV__ibm285,
    pwg__CharsetWKV__ibm290,
    pwg__CharsetWKV__ibm297,
    pwg__CharsetWKV__ibm420,
    pwg__CharsetWKV__ibm423,
    pwg__CharsetWKV__ibm424,
    pwg__CharsetWKV__ibm437,
    pwg__CharsetWKV__ibm500,
    pwg__CharsetWKV__ibm775,
    pwg__CharsetWKV__ibm850,
    pwg__CharsetWKV__ibm851,
    pwg__CharsetWKV__ibm852,
    pwg__CharsetWKV__ibm855,
    pwg__CharsetWKV__ibm857,
    pwg__CharsetWKV__ibm860,
    pwg__CharsetWKV__ibm861,
    pwg__CharsetWKV__ibm862,
    pwg__CharsetWKV__ibm863,
    pwg__CharsetWKV__ibm864,
    pwg__CharsetWKV__ibm865,
    pwg__CharsetWKV__ibm866,
    pwg__CharsetWKV__ibm868,
    pwg__CharsetWKV__ibm869,
    pwg__CharsetWKV__ibm870,
    pwg__CharsetWKV__ibm871,
    pwg__CharsetWKV__ibm880,
    pwg__CharsetWKV__ibm891,
    pwg__CharsetWKV__ibm903,
    pwg__CharsetWKV__ibm904,
    pwg__CharsetWKV__ibm905,
    pwg__CharsetWKV__ibm918,
    pwg__CharsetWKV__ibm_x002dsymbols,
    pwg__CharsetWKV__ibm_x002dthai,
    pwg__CharsetWKV__iec_x002dp27_x002d1,
    pwg__CharsetWKV__inis,
    pwg__CharsetWKV__inis_x002d8,
    pwg__CharsetWKV__inis_x002dcyrillic,
    pwg__CharsetWKV__invariant,
    pwg__CharsetWKV__iso_x002d10367_x002dbox,
    pwg__CharsetWKV__iso_x002d10646_x002ducs_x002d2,
    pwg__CharsetWKV__iso_x002d10646_x002ducs_x002d4,
    pwg__CharsetWKV__iso_x002d10646_x002ducs_x002dbasic,
    pwg__CharsetWKV__iso_x002d10646_x002dunicode_x002dlatin1,
    pwg__CharsetWKV__iso_x002d10646_x002dutf_x002d1,
    pwg__CharsetWKV__iso_x002d2022_x002dcn,
    pwg__CharsetWKV__iso_x002d2022_x002dcn_x002dext,
    pwg__CharsetWKV__iso_x002d2022_x002djp,
    pwg__CharsetWKV__iso_x002d2022_x002djp_x002d2,
    pwg__CharsetWKV__iso_x002d2022_x002dkr,
    pwg__CharsetWKV__iso_x002d2033_x002d1983,
    pwg__CharsetWKV__iso_x002d5427,
    pwg__CharsetWKV__iso_x002d5427_x002d1981,
    pwg__CharsetWKV__iso_x002d5428_x002d1980,
    pwg__CharsetWKV__iso_x002d646_x002dbasic_x002d1983,
    pwg__CharsetWKV__iso_x002d646_x002dirv_x002d1983,
    pwg__CharsetWKV__iso_x002d6937_x002d2_x002d25,
    pwg__CharsetWKV__iso_x002d6937_x002d2_x002dadd,
    pwg__CharsetWKV__iso_x002d8859_x002d1,
    pwg__CharsetWKV__iso_x002d8859_x002d10,
    pwg__CharsetWKV__iso_x002d8859_x002d13,
    pwg__CharsetWKV__iso_x002d8859_x002d14,
    pwg__CharsetWKV__iso_x002d8859_x002d15,
    pwg__CharsetWKV__iso_x002d8859_x002d16,
    pwg__CharsetWKV__iso_x002d8859_x002d1_x002dwindows_x002d3_x002d0_x002dlatin_x002d1,
    pwg__CharsetWKV__iso_x002d8859_x002d1_x002dwindows_x002d3_x002d1_x002dlatin_x002d1,
    pwg__CharsetWKV__iso_x002d8859_x002d2,
    pwg__CharsetWKV__iso_x002d8859_x002d2_x002dwindows_x002dlatin_x002d2,
    pwg__CharsetWKV__iso_x002d8859_x002d3,
    pwg__CharsetWKV__iso_x002d8859_x002d4,
    pwg__CharsetWKV__iso_x002d8859_x002d5,
    pwg__CharsetWKV__iso_x002d8859_x002d6,
    pwg__CharsetWKV__iso_x002d8859_x002d6_x002de,
    pwg__CharsetWKV__iso_x002d8859_x002d6_x002di,
    pwg__CharsetWKV__iso_x002d8859_x002d7,
    pwg__CharsetWKV__iso_x002d8859_x002d8,
    pwg__CharsetWKV__iso_x002d8859_x002d8_x002de,
    pwg__CharsetWKV__iso_x002d8859_x002d8_x002di,
    pwg__CharsetWKV__iso_x002d8859_x002d9,
    pwg__CharsetWKV__iso_x002d8859_x002d9_x002dwindows_x002dlatin_x002d5,
    pwg__CharsetWKV__iso_x002d8859_x002dsupp,
    pwg__CharsetWKV__iso_x002dir_x002d90,
    pwg__CharsetWKV__iso_x002dunicode_x002dibm_x002d1261,
    pwg__CharsetWKV__iso_x002dunicode_x002dibm_x002d1264,
    pwg__CharsetWKV__iso_x002dunicode_x002dibm_x002d1265,
    pwg__CharsetWKV__iso_x002dunicode_x002dibm_x002d1268,
    pwg__CharsetWKV__iso_x002dunicode_x002dibm_x002d1276,
    pwg__CharsetWKV__it,
    pwg__CharsetWKV__jis_x002dc6220_x002d1969_x002djp,
    pwg__CharsetWKV__jis_x002dc6220_x002d1969_x002dro,
    pwg__CharsetWKV__jis_x002dc6226_x002d1978,
    pwg__CharsetWKV__jis_x002dc6226_x002d1983,
    pwg__CharsetWKV__jis_x002dc6229_x002d1984_x002da,
    pwg__CharsetWKV__jis_x002dc6229_x002d1984_x002db,
    pwg__CharsetWKV__jis_x002dc6229_x002d1984_x002db_x002dadd,
    pwg__CharsetWKV__jis_x002dc6229_x002d1984_x002dhand,
    pwg__CharsetWKV__jis_x002dc6229_x002d1984_x002dhand_x002dadd,
    pwg__CharsetWKV__jis_x002dc6229_x002d1984_x002dkana,
    pwg__CharsetWKV__jis_x002dencoding,
    pwg__CharsetWKV__jis_x002dx0201,
    pwg__CharsetWKV__jis_x002dx0212_x002d1990,
    pwg__CharsetWKV__jus_x002di_x002db1_x002d002,
    pwg__CharsetWKV__jus_x002di_x002db1_x002d003_x002dmac,
    pwg__CharsetWKV__jus_x002di_x002db1_x002d003_x002dserb,
    pwg__CharsetWKV__koi8_x002dr,
    pwg__CharsetWKV__koi8_x002du,
    pwg__CharsetWKV__ks_x002dc_x002d5601_x002d1987,
    pwg__CharsetWKV__ksc5636,
    pwg__CharsetWKV__latin_x002dgreek,
    pwg__CharsetWKV__latin_x002dgreek_x002d1,
    pwg__CharsetWKV__latin_x002dlap,
    pwg__CharsetWKV__macintosh,
    pwg__CharsetWKV__microsoft_x002dpublishing,
    pwg__CharsetWKV__mnem,
    pwg__CharsetWKV__mnemonic,
    pwg__CharsetWKV__msz_x002d7795_x002d3,
    pwg__CharsetWKV__nats_x002ddano,
    pwg__CharsetWKV__nats_x002ddano_x002dadd,
    pwg__CharsetWKV__nats_x002dsefi,
    pwg__CharsetWKV__nats_x002dsefi_x002dadd,
    pwg__CharsetWKV__nc_x002dnc00_x002d10_x002d81,
    pwg__CharsetWKV__nf_x002dz_x002d62_x002d010,
    pwg__CharsetWKV__nf_x002dz_x002d62_x002d010_x002d_x002d1973_x002d,
    pwg__CharsetWKV__ns_x002d4551_x002d1,
    pwg__CharsetWKV__ns_x002d4551_x002d2,
    pwg__CharsetWKV__pc8_x002ddanish_x002dnorwegian,
    pwg__CharsetWKV__pc8_x002dturkish,
    pwg__CharsetWKV__pt,
    pwg__CharsetWKV__pt2,
    pwg__CharsetWKV__ptcp154,
    pwg__CharsetWKV__scsu,
    pwg__CharsetWKV__sen_x002d850200_x002db,
    pwg__CharsetWKV__sen_x002d850200_x002dc,
    pwg__CharsetWKV__shift_x002djis,
    pwg__CharsetWKV__t_x002d101_x002dg2,
    pwg__CharsetWKV__t_x002d61_x002d7bit,
    pwg__CharsetWKV__t_x002d61_x002d8bit,
    pwg__CharsetWKV__tis_x002d620,
    pwg__CharsetWKV__unicode_x002d1_x002d1,
    pwg__CharsetWKV__unicode_x002d1_x002d1_x002dutf_x002d7,
    pwg__CharsetWKV__unknown_x002d8bit,
    pwg__CharsetWKV__us_x002dascii,
    pwg__CharsetWKV__us_x002ddk,
    pwg__CharsetWKV__utf_x002d16,
    pwg__CharsetWKV__utf_x002d16be,
    pwg__CharsetWKV__utf_x002d16le,
    pwg__CharsetWKV__utf_x002d32,
    pwg__CharsetWKV__utf_x002d32be,
    pwg__CharsetWKV__utf_x002d32le,
    pwg__CharsetWKV__utf_x002d7,
    pwg__CharsetWKV__utf_x002d8,
    pwg__CharsetWKV__ventura_x002dinternational,
    pwg__CharsetWKV__ventura_x002dmath,
    pwg__CharsetWKV__ventura_x002dus,
    pwg__CharsetWKV__videotex_x002dsuppl,
    pwg__CharsetWKV__viqr,
    pwg__CharsetWKV__viscii,
    pwg__CharsetWKV__windows_x002d1250,
    pwg__CharsetWKV__windows_x002d1251,
    pwg__CharsetWKV__windows_x002d1252,
    pwg__CharsetWKV__windows_x002d1253,
    pwg__CharsetWKV__windows_x002d1254,
    pwg__CharsetWKV__windows_x002d1255,
    pwg__CharsetWKV__windows_x002d1256,
    pwg__CharsetWKV__windows_x002d1257,
    pwg__CharsetWKV__windows_x002d1258,
    pwg__CharsetWKV__windows_x002d31j
};
extern typedef enum pwg__CharsetWKV_ pwg__CharsetWKV;

extern enum pwg__CompressionWKV_ : LONG64 {
    pwg__CompressionWKV__Compress,
    pwg__CompressionWKV__Deflate,
    pwg__CompressionWKV__Gzip,
    pwg__CompressionWKV__None
};
extern typedef enum pwg__CompressionWKV_ pwg__CompressionWKV;

extern enum pwg__CoverColMemberWKV_ : LONG64 {
    pwg__CoverColMemberWKV__ColType,
    pwg__CoverColMemberWKV__Media,
    pwg__CoverColMemberWKV__MediaCol
};
extern typedef enum pwg__CoverColMemberWKV_ pwg__CoverColMemberWKV;

extern enum pwg__CoverTypeWKV_ : LONG64 {
    pwg__CoverTypeWKV__NoCover,
    pwg__CoverTypeWKV__PrintBack,
    pwg__CoverTypeWKV__PrintBoth,
    pwg__CoverTypeWKV__PrintFront,
    pwg__CoverTypeWKV__PrintNone
};
extern typedef enum pwg__CoverTypeWKV_ pwg__CoverTypeWKV;

extern enum pwg__CurrentPageOrderWKV_ : LONG64 {
    pwg__CurrentPageOrderWKV__1ToNOrder,
    pwg__CurrentPageOrderWKV__NTo1Order
};
extern typedef enum pwg__CurrentPageOrderWKV_ pwg__CurrentPageOrderWKV;

extern enum pwg__DocumentDigitalSignatureWKV_ : LONG64 {
    pwg__DocumentDigitalSignatureWKV__Dss,
    pwg__DocumentDigitalSignatureWKV__None,
    pwg__DocumentDigitalSignatureWKV__Pgp,
    pwg__DocumentDigitalSignatureWKV__Smime,
    pwg__DocumentDigitalSignatureWKV__Xdsig
};
extern typedef enum pwg__DocumentDigitalSignatureWKV_ pwg__DocumentDigitalSignatureWKV;

extern enum pwg__DocumentFormatWKV_ : LONG64 {
    pwg__DocumentFormatWKV__application_x002foctet_x002dstream,
    pwg__DocumentFormatWKV__application_x002fpdf,
    pwg__DocumentFormatWKV__application_x002fpostscript,
    pwg__DocumentFormatWKV__application_x002fvnd_x002epwg_x002dxhtml_x002dprint_x002bxml,
    pwg__DocumentFormatWKV__application_x002fvnd_x002ehp_x002dPCL,
    pwg__DocumentFormatWKV__image_x002fg3fax,
    pwg__DocumentFormatWKV__image_x002fjpeg,
    pwg__DocumentFormatWKV__image_x002ftiff,
    pwg__DocumentFormatWKV__image_x002ftiff_x002dfx,
    pwg__DocumentFormatWKV__text_x002fhtml,
    pwg__DocumentFormatWKV__text_x002fplain,
    pwg__DocumentFormatWKV__text_x002fplain_x003b_x0020charset_x003dISO_x002d8859_x002d1,
    pwg__DocumentFormatWKV__text_x002fplain_x003b_x0020charset_x003dUS_x002dASCII,
    pwg__DocumentFormatWKV__text_x002fplain_x003b_x0020charset_x003dutf_x002d8,
    pwg__DocumentFormatWKV__unknown
};
extern typedef enum pwg__DocumentFormatWKV_ pwg__DocumentFormatWKV;

extern enum pwg__DocumentStateReasonsWKV_ : LONG64 {
    pwg__DocumentStateReasonsWKV__AbortedBySystem,
    pwg__DocumentStateReasonsWKV__CanceledAtDevice,
    pwg__DocumentStateReasonsWKV__CanceledByOperator,
    pwg__DocumentStateReasonsWKV__CanceledByUser,
    pwg__DocumentStateReasonsWKV__CompletedSuccessfully,
    pwg__DocumentStateReasonsWKV__CompletedWithErrors,
    pwg__DocumentStateReasonsWKV__CompletedWithWarnings,
    pwg__DocumentStateReasonsWKV__CompressionError,
    pwg__DocumentStateReasonsWKV__DocumentAccessError,
    pwg__DocumentStateReasonsWKV__DocumentFormatError,
    pwg__DocumentStateReasonsWKV__Incoming,
    pwg__DocumentStateReasonsWKV__Interpreting,
    pwg__DocumentStateReasonsWKV__None,
    pwg__DocumentStateReasonsWKV__Outgoing,
    pwg__DocumentStateReasonsWKV__PrinterStopped,
    pwg__DocumentStateReasonsWKV__PrinterStoppedPartly,
    pwg__DocumentStateReasonsWKV__Printing,
    pwg__DocumentStateReasonsWKV__ProcessingToStopPoint,
    pwg__DocumentStateReasonsWKV__Queued,
    pwg__DocumentStateReasonsWKV__QueuedForMarker,
    pwg__DocumentStateReasonsWKV__QueuedInDevice,
    pwg__DocumentStateReasonsWKV__ResourcesAreNotReady,
    pwg__DocumentStateReasonsWKV__ResourcesAreNotSupported,
    pwg__DocumentStateReasonsWKV__Scanning,
    pwg__DocumentStateReasonsWKV__Spooling,
    pwg__DocumentStateReasonsWKV__Streaming,
    pwg__DocumentStateReasonsWKV__SubmissionInterupted,
    pwg__DocumentStateReasonsWKV__Transforming,
    pwg__DocumentStateReasonsWKV__UnsupportedCompression,
    pwg__DocumentStateReasonsWKV__UnsupportedDocumentFormat,
    pwg__DocumentStateReasonsWKV__WarningsDetected
};
extern typedef enum pwg__DocumentStateReasonsWKV_ pwg__DocumentStateReasonsWKV;

extern enum pwg__DocumentStateWKV_ : LONG64 {
    pwg__DocumentStateWKV__Aborted,
    pwg__DocumentStateWKV__Canceled,
    pwg__DocumentStateWKV__Completed,
    pwg__DocumentStateWKV__Pending,
    pwg__DocumentStateWKV__Processing
};
extern typedef enum pwg__DocumentStateWKV_ pwg__DocumentStateWKV;

extern enum pwg__FeedOrientationWKV_ : LONG64 {
    pwg__FeedOrientationWKV__LongEdgeFirst,
    pwg__FeedOrientationWKV__ShortEdgeFirst
};
extern typedef enum pwg__FeedOrientationWKV_ pwg__FeedOrientationWKV;

extern enum pwg__FinishingsColMemberWKV_ : LONG64 {
    pwg__FinishingsColMemberWKV__FinishingTemplate,
    pwg__FinishingsColMemberWKV__Stitching
};
extern typedef enum pwg__FinishingsColMemberWKV_ pwg__FinishingsColMemberWKV;

extern enum pwg__FinishingsWKV_ : LONG64 {
    pwg__FinishingsWKV__Bale,
    pwg__FinishingsWKV__Bind,
    pwg__FinishingsWKV__BookletMaker,
    pwg__FinishingsWKV__Cover,
    pwg__FinishingsWKV__EdgeStitch,
    pwg__FinishingsWKV__EdgeStitchBottom,
    pwg__FinishingsWKV__EdgeStitchLeft,
    pwg__FinishingsWKV__EdgeStichRight,
    pwg__FinishingsWKV__EdgeStitchTop,
    pwg__FinishingsWKV__Fold,
    pwg__FinishingsWKV__JogOffset,
    pwg__FinishingsWKV__None,
    pwg__FinishingsWKV__Punch,
    pwg__FinishingsWKV__SaddleStitch,
    pwg__FinishingsWKV__Staple,
    pwg__FinishingsWKV__StapleBottomLeft,
    pwg__FinishingsWKV__StapleBottomRight,
    pwg__FinishingsWKV__StapleDualBottom,
    pwg__FinishingsWKV__StapleDualLeft,
    pwg__FinishingsWKV__StapleDualRight,
    pwg__FinishingsWKV__StapleDualTop,
    pwg__FinishingsWKV__StapleTopLeft,
    pwg__FinishingsWKV__StapleTopRight,
    pwg__FinishingsWKV__Trim,
    pwg__FinishingsWKV__TrimAfterCopies,
    pwg__FinishingsWKV__TrimAfterDocuments,
    pwg__FinishingsWKV__TrimAfterJob,
    pwg__FinishingsWKV__TrimAfterPages
};
extern typedef enum pwg__FinishingsWKV_ pwg__FinishingsWKV;

extern enum pwg__IANACharset_ : LONG64 {
    pwg__IANACharset__Other,
    pwg__IANACharset__Unknown,
    pwg__IANACharset__CsASCII,
    pwg__IANACharset__CsISOLatin1,
    pwg__IANACharset__CsISOLatin2,
    pwg__IANACharset__CsISOLatin3,
    pwg__IANACharset__CsISOLatin4,
    pwg__IANACharset__CsISOLatinCyrillic,
    pwg__IANACharset__CsISOLatinArabic,
    pwg__IANACharset__CsISOLatinGreek,
    pwg__IANACharset__CsISOLatinHebrew,
    pwg__IANACharset__CsISOLatin5,
    pwg__IANACharset__CsISOLatin6,
    pwg__IANACharset__CsISOTextComm,
    pwg__IANACharset__CsHalfWidthKatakana,
    pwg__IANACharset__CsJISEncoding,
    pwg__IANACharset__CsShiftJIS,
    pwg__IANACharset__CsEUCPkdFmtJapanese,
    pwg__IANACharset__CsEUCFixWidJapanese,
    pwg__IANACharset__CsISO4UnitedKingdom,
    pwg__IANACharset__CsISO11SwedishForNames,
    pwg__IANACharset__CsISO15Italian,
    pwg__IANACharset__CsISO17Spanish,
    pwg__IANACharset__CsISO21German,
    pwg__IANACharset__CsISO60DanishNorwegian,
    pwg__IANACharset__CsISO69French,
    pwg__IANACharset__CsISO10646UTF1,
    pwg__IANACharset__CsISO646basic1983,
    pwg__IANACharset__CsINVARIANT,
    pwg__IANACharset__CsISO2IntlRefVersion,
    pwg__IANACharset__CsNATSSEFI,
    pwg__IANACharset__CsNATSSEFIADD,
    pwg__IANACharset__CsNATSDANO,
    pwg__IANACharset__CsNATSDANOADD,
    pwg__IANACharset__CsISO10Swedish,
    pwg__IANACharset__CsKSC56011987,
    pwg__IANACharset__CsISO2022KR,
    pwg__IANACharset__CsEUCKR,
    pwg__IANACharset__CsISO2022JP,
    pwg__IANACharset__CsISO2022JP2,
    pwg__IANACharset__CsISO13JISC6220jp,
    pwg__IANACharset__CsISO14JISC6220ro,
    pwg__IANACharset__CsISO16Portuguese,
    pwg__IANACharset__CsISO18Greek7Old,
    pwg__IANACharset__CsISO19LatinGreek,
    pwg__IANACharset__CsISO25French,
    pwg__IANACharset__CsISO27LatinGreek1,
    pwg__IANACharset__CsISO5427Cyrillic,
    pwg__IANACharset__CsISO42JISC62261978,
    pwg__IANACharset__CsISO47BSViewdata,
    pwg__IANACharset__CsISO49INIS,
    pwg__IANACharset__CsISO50INIS8,
    pwg__IANACharset__CsISO51INISCyrillic,
    pwg__IANACharset__CsISO54271981,
    pwg__IANACharset__CsISO5428Greek,
    pwg__IANACharset__CsISO57GB1988,
    pwg__IANACharset__CsISO58GB231280,
    pwg__IANACharset__CsISO61Norwegian2,
    pwg__IANACharset__CsISO70VideotexSupp1,
    pwg__IANACharset__CsISO84Portuguese2,
    pwg__IANACharset__CsISO85Spanish2,
    pwg__IANACharset__CsISO86Hungarian,
    pwg__IANACharset__CsISO87JISX0208,
    pwg__IANACharset__CsISO88Greek7,
    pwg__IANACharset__CsISO89ASMO449,
    pwg__IANACharset__CsISO90,
    pwg__IANACharset__CsISO91JISC62291984a,
    pwg__IANACharset__CsISO92JISC62991984b,
    pwg__IANACharset__CsISO93JIS62291984badd,
    pwg__IANACharset__CsISO94JIS62291984hand,
    pwg__IANACharset__CsISO95JIS62291984handadd,
    pwg__IANACharset__CsISO96JISC62291984kana,
    pwg__IANACharset__CsISO2033,
    pwg__IANACharset__CsISO99NAPLPS,
    pwg__IANACharset__CsISO102T617bit,
    pwg__IANACharset__CsISO103T618bit,
    pwg__IANACharset__CsISO111ECMACyrillic,
    pwg__IANACharset__Csa71,
    pwg__IANACharset__Csa72,
    pwg__IANACharset__CsISO123CSAZ24341985gr,
    pwg__IANACharset__CsISO88596E,
    pwg__IANACharset__CsISO88596I,
    pwg__IANACharset__CsISO128T101G2,
    pwg__IANACharset__CsISO88598E,
    pwg__IANACharset__CsISO88598I,
    pwg__IANACharset__CsISO139CSN369103,
    pwg__IANACharset__CsISO141JUSIB1002,
    pwg__IANACharset__CsISO143IECP271,
    pwg__IANACharset__CsISO146Serbian,
    pwg__IANACharset__CsISO147Macedonian,
    pwg__IANACharset__CsISO150,
    pwg__IANACharset__CsISO151Cuba,
    pwg__IANACharset__CsISO6937Add,
    pwg__IANACharset__CsISO153GOST1976874,
    pwg__IANACharset__CsISO8859Supp,
    pwg__IANACharset__CsISO10367Box,
    pwg__IANACharset__CsISO158Lap,
    pwg__IANACharset__CsISO159JISX02121990,
    pwg__IANACharset__CsISO646Danish,
    pwg__IANACharset__CsUSDK,
    pwg__IANACharset__CsDKUS,
    pwg__IANACharset__CsKSC5636,
    pwg__IANACharset__CsUnicode11UTF7,
    pwg__IANACharset__CsISO2022CN,
    pwg__IANACharset__CsISO2022CNEXT,
    pwg__IANACharset__CsUTF8,
    pwg__IANACharset__CsISO885913,
    pwg__IANACharset__CsISO885914,
    pwg__IANACharset__CsISO885915,
    pwg__IANACharset__CsISO885916,
    pwg__IANACharset__CsGBK,
    pwg__IANACharset__CsGB18030,
    pwg__IANACharset__CsOSDEBCDICDF0415,
    pwg__IANACharset__CsOSDEBCDICDF03IRV,
    pwg__IANACharset__CsOSDEBCDICDF041,
    pwg__IANACharset__CsISO115481,
    pwg__IANACharset__CsUnicode,
    pwg__IANACharset__CsUCS4,
    pwg__IANACharset__CsUnicodeASCII,
    pwg__IANACharset__CsUnicodeLatin1,
    pwg__IANACharset__CsUnicodeIBM1261,
    pwg__IANACharset__CsUnicodeIBM1268,
    pwg__IANACharset__CsUnicodeIBM1276,
    pwg__IANACharset__CsUnicodeIBM1264,
    pwg__IANACharset__CsUnicodeIBM1265,
    pwg__IANACharset__CsUnicode11,
    pwg__IANACharset__CsSCSU,
    pwg__IANACharset__CsUTF7,
    pwg__IANACharset__CsUTF16BE,
    pwg__IANACharset__CsUTF16LE,
    pwg__IANACharset__CsUTF16,
    pwg__IANACharset__CsCESU8,
    pwg__IANACharset__CsUTF32,
    pwg__IANACharset__CsUTF32BE,
    pwg__IANACharset__CsUTF32LE,
    pwg__IANACharset__CsBOCU1,
    pwg__IANACharset__CsWindows30Latin1,
    pwg__IANACharset__CsWindows31Latin1,
    pwg__IANACharset__CsWindows31Latin2,
    pwg__IANACharset__CsWindows31Latin5,
    pwg__IANACharset__CsHPRoman8,
    pwg__IANACharset__CsAdobeStandardEncoding,
    pwg__IANACharset__CsVenturaUS,
    pwg__IANACharset__CsVenturaInternational,
    pwg__IANACharset__CsDECMCS,
    pwg__IANACharset__CsPC850Multilingual,
    pwg__IANACharset__CsPCp852,
    pwg__IANACharset__CsPC8CodePage437,
    pwg__IANACharset__CsPC8DanishNorwegian,
    pwg__IANACharset__CsPC862LatinHebrew,
    pwg__IANACharset__CsPC8Turkish,
    pwg__IANACharset__CsIBMSymbols,
    pwg__IANACharset__CsIBMThai,
    pwg__IANACharset__CsHPLegal,
    pwg__IANACharset__CsHPPiFont,
    pwg__IANACharset__CsHPMath8,
    pwg__IANACharset__CsHPPSMath,
    pwg__IANACharset__CsHPDesktop,
    pwg__IANACharset__CsVenturaMath,
    pwg__IANACharset__CsMicrosoftPublishing,
    pwg__IANACharset__CsWindows31J,
    pwg__IANACharset__CsGB2312,
    pwg__IANACharset__CsBig5,
    pwg__IANACharset__CsMacintosh,
    pwg__IANACharset__CsIBM037,
    pwg__IANACharset__CsIBM038,
    pwg__IANACharset__CsIBM273,
    pwg__IANACharset__CsIBM274,
    pwg__IANACharset__CsIBM275,
    pwg__IANACharset__CsIBM277,
    pwg__IANACharset__CsIBM278,
    pwg__IANACharset__CsIBM280,
    pwg__IANACharset__CsIBM281,
    pwg__IANACharset__CsIBM284,
    pwg__IANACharset__CsIBM285,
    pwg__IANACharset__CsIBM290,
    pwg__IANACharset__CsIBM297,
    pwg__IANACharset__CsIBM420,
    pwg__IANACharset__CsIBM423,
    pwg__IANACharset__CsIBM424,
    pwg__IANACharset__CsIBM500,
    pwg__IANACharset__CsIBM851,
    pwg__IANACharset__CsIBM855,
    pwg__IANACharset__CsIBM857,
    pwg__IANACharset__CsIBM860,
    pwg__IANACharset__CsIBM861,
    pwg__IANACharset__CsIBM863,
    pwg__IANACharset__CsIBM864,
    pwg__IANACharset__CsIBM865,
    pwg__IANACharset__CsIBM868,
    pwg__IANACharset__CsIBM869,
    pwg__IANACharset__CsIBM870,
    pwg__IANACharset__CsIBM871,
    pwg__IANACharset__CsIBM880,
    pwg__IANACharset__CsIBM891,
    pwg__IANACharset__CsIBM903,
    pwg__IANACharset__CsIBBM904,
    pwg__IANACharset__CsIBM905,
    pwg__IANACharset__CsIBM918,
    pwg__IANACharset__CsIBM1026,
    pwg__IANACharset__CsIBMEBCDICATDE,
    pwg__IANACharset__CsEBCDICATDEA,
    pwg__IANACharset__CsEBCDICCAFR,
    pwg__IANACharset__CsEBCDICDKNO,
    pwg__IANACharset__CsEBCDICDKNOA,
    pwg__IANACharset__CsEBCDICFISE,
    pwg__IANACharset__CsEBCDICFISEA,
    pwg__IANACharset__CsEBCDICFR,
    pwg__IANACharset__CsEBCDICIT,
    pwg__IANACharset__CsEBCDICPT,
    pwg__IANACharset__CsEBCDICES,
    pwg__IANACharset__CsEBCDICESA,
    pwg__IANACharset__CsEBCDICESS,
    pwg__IANACharset__CsEBCDICUK,
    pwg__IANACharset__CsEBCDICUS,
    pwg__IANACharset__CsUnknown8BiT,
    pwg__IANACharset__CsMnemonic,
    pwg__IANACharset__CsMnem,
    pwg__IANACharset__CsVISCII,
    pwg__IANACharset__CsVIQR,
    pwg__IANACharset__CsKOI8R,
    pwg__IANACharset__CsHZGB2312,
    pwg__IANACharset__CsIBM866,
    pwg__IANACharset__CsPC775Baltic,
    pwg__IANACharset__CsKOI8U,
    pwg__IANACharset__CsIBM00858,
    pwg__IANACharset__CsIBM00924,
    pwg__IANACharset__CsIBM01140,
    pwg__IANACharset__CsIBM01141,
    pwg__IANACharset__CsIBM01142,
    pwg__IANACharset__CsIBM01143,
    pwg__IANACharset__CsIBM01144,
    pwg__IANACharset__CsIBM01145,
    pwg__IANACharset__CsIBM01146,
    pwg__IANACharset__CsIBM01147,
    pwg__IANACharset__CsIBM01148,
    pwg__IANACharset__CsIBM01149,
    pwg__IANACharset__CsBig5HKSCS,
    pwg__IANACharset__CsIBM1047,
    pwg__IANACharset__CsPTCP154,
    pwg__IANACharset__CsAmiga1251,
    pwg__IANACharset__CsKOI7switched,
    pwg__IANACharset__Cswindows1250,
    pwg__IANACharset__Cswindows1251,
    pwg__IANACharset__Cswindows1252,
    pwg__IANACharset__Cswindows1253,
    pwg__IANACharset__Cswindows1254,
    pwg__IANACharset__Cswindows1255,
    pwg__IANACharset__Cswindows1256,
    pwg__IANACharset__Cswindows1257,
    pwg__IANACharset__Cswindows1258,
    pwg__IANACharset__CsTIS620
};
extern typedef enum pwg__IANACharset_ pwg__IANACharset;

extern enum pwg__JobAccountingOutputBinWKV_ : LONG64 {
    pwg__JobAccountingOutputBinWKV__Bottom,
    pwg__JobAccountingOutputBinWKV__Center,
    pwg__JobAccountingOutputBinWKV__FaceDown,
    pwg__JobAccountingOutputBinWKV__FaceUp,
    pwg__JobAccountingOutputBinWKV__LargeCapacity,
    pwg__JobAccountingOutputBinWKV__Left,
    pwg__JobAccountingOutputBinWKV__Middle,
    pwg__JobAccountingOutputBinWKV__MyMailbox,
    pwg__JobAccountingOutputBinWKV__Rear,
    pwg__JobAccountingOutputBinWKV__Right,
    pwg__JobAccountingOutputBinWKV__Side,
    pwg__JobAccountingOutputBinWKV__Top
};
extern typedef enum pwg__JobAccountingOutputBinWKV_ pwg__JobAccountingOutputBinWKV;

extern enum pwg__JobAccountingSheetTypeWKV_ : LONG64 {
    pwg__JobAccountingSheetTypeWKV__None,
    pwg__JobAccountingSheetTypeWKV__Standard
};
extern typedef enum pwg__JobAccountingSheetTypeWKV_ pwg__JobAccountingSheetTypeWKV;

extern enum pwg__JobCollationTypeWKV_ : LONG64 {
    pwg__JobCollationTypeWKV__CollatedDocuments,
    pwg__JobCollationTypeWKV__Other,
    pwg__JobCollationTypeWKV__UncollatedDocuments,
    pwg__JobCollationTypeWKV__UncollatedSheets,
    pwg__JobCollationTypeWKV__Unknown
};
extern typedef enum pwg__JobCollationTypeWKV_ pwg__JobCollationTypeWKV;

extern enum pwg__JobErrorSheetMemberWKV_ : LONG64 {
    pwg__JobErrorSheetMemberWKV__JobErrorSheetType,
    pwg__JobErrorSheetMemberWKV__JobErrorSheetWhen,
    pwg__JobErrorSheetMemberWKV__Media,
    pwg__JobErrorSheetMemberWKV__MediaCol
};
extern typedef enum pwg__JobErrorSheetMemberWKV_ pwg__JobErrorSheetMemberWKV;

extern enum pwg__JobErrorSheetTypeWKV_ : LONG64 {
    pwg__JobErrorSheetTypeWKV__None,
    pwg__JobErrorSheetTypeWKV__Standard
};
extern typedef enum pwg__JobErrorSheetTypeWKV_ pwg__JobErrorSheetTypeWKV;

extern enum pwg__JobErrorSheetWhenWKV_ : LONG64 {
    pwg__JobErrorSheetWhenWKV__Always,
    pwg__JobErrorSheetWhenWKV__OnError
};
extern typedef enum pwg__JobErrorSheetWhenWKV_ pwg__JobErrorSheetWhenWKV;

extern enum pwg__JobHoldUntilWKV_ : LONG64 {
    pwg__JobHoldUntilWKV__DayTime,
    pwg__JobHoldUntilWKV__Evening,
    pwg__JobHoldUntilWKV__Indefinite,
    pwg__JobHoldUntilWKV__Night,
    pwg__JobHoldUntilWKV__NoHold,
    pwg__JobHoldUntilWKV__SecondShift,
    pwg__JobHoldUntilWKV__ThirdShift,
    pwg__JobHoldUntilWKV__Weekend
};
extern typedef enum pwg__JobHoldUntilWKV_ pwg__JobHoldUntilWKV;

extern enum pwg__JobPasswordEncryptionWKV_ : LONG64 {
    pwg__JobPasswordEncryptionWKV__Md2,
    pwg__JobPasswordEncryptionWKV__Md4,
    pwg__JobPasswordEncryptionWKV__Md5,
    pwg__JobPasswordEncryptionWKV__None,
    pwg__JobPasswordEncryptionWKV__Sha
};
extern typedef enum pwg__JobPasswordEncryptionWKV_ pwg__JobPasswordEncryptionWKV;

extern enum pwg__JobSheetsMemberWKV_ : LONG64 {
    pwg__JobSheetsMemberWKV__JobSheets,
    pwg__JobSheetsMemberWKV__Media,
    pwg__JobSheetsMemberWKV__MediaCol
};
extern typedef enum pwg__JobSheetsMemberWKV_ pwg__JobSheetsMemberWKV;

extern enum pwg__JobSheetsWKV_ : LONG64 {
    pwg__JobSheetsWKV__BothSheets,
    pwg__JobSheetsWKV__EndSheet,
    pwg__JobSheetsWKV__FirstPrintStreamPage,
    pwg__JobSheetsWKV__None,
    pwg__JobSheetsWKV__Standard,
    pwg__JobSheetsWKV__StartSheet
};
extern typedef enum pwg__JobSheetsWKV_ pwg__JobSheetsWKV;

extern enum pwg__JobSpoolingWKV_ : LONG64 {
    pwg__JobSpoolingWKV__Automatic,
    pwg__JobSpoolingWKV__Spool,
    pwg__JobSpoolingWKV__Stream
};
extern typedef enum pwg__JobSpoolingWKV_ pwg__JobSpoolingWKV;

extern enum pwg__JobStateReasonsWKV_ : LONG64 {
    pwg__JobStateReasonsWKV__AbortedBySystem,
    pwg__JobStateReasonsWKV__CompressionError,
    pwg__JobStateReasonsWKV__DigitalSignatureDidNotVerify,
    pwg__JobStateReasonsWKV__DigitalSignatureTypeNotSupported,
    pwg__JobStateReasonsWKV__DocumentAccessError,
    pwg__JobStateReasonsWKV__DocumentFormatError,
    pwg__JobStateReasonsWKV__ErrorsDetected,
    pwg__JobStateReasonsWKV__JobCanceledAtDevice,
    pwg__JobStateReasonsWKV__JobCanceledByOperator,
    pwg__JobStateReasonsWKV__JobCanceledByUser,
    pwg__JobStateReasonsWKV__JobCompletedSuccessfully,
    pwg__JobStateReasonsWKV__JobCompletedWithErrors,
    pwg__JobStateReasonsWKV__JobCompletedWithWarnings,
    pwg__JobStateReasonsWKV__JobDataInsufficient,
    pwg__JobStateReasonsWKV__JobDigitalSignatureWait,
    pwg__JobStateReasonsWKV__JobDelaySpecified,
    pwg__JobStateReasonsWKV__JobHoldUntilSpecified,
    pwg__JobStateReasonsWKV__JobIncoming,
    pwg__JobStateReasonsWKV__JobInterpreting,
    pwg__JobStateReasonsWKV__JobOutgoing,
    pwg__JobStateReasonsWKV__JobPrinting,
    pwg__JobStateReasonsWKV__JobQueued,
    pwg__JobStateReasonsWKV__JobQueueForMarker,
    pwg__JobStateReasonsWKV__JobRestartable,
    pwg__JobStateReasonsWKV__JobResuming,
    pwg__JobStateReasonsWKV__JobSavedSuccessfully,
    pwg__JobStateReasonsWKV__JobSavedError,
    pwg__JobStateReasonsWKV__JobSaving,
    pwg__JobStateReasonsWKV__JobScheduling,
    pwg__JobStateReasonsWKV__JobSpooling,
    pwg__JobStateReasonsWKV__JobStreaming,
    pwg__JobStateReasonsWKV__JobSuspended,
    pwg__JobStateReasonsWKV__JobSuspendedByOperator,
    pwg__JobStateReasonsWKV__JobSuspendedBySystem,
    pwg__JobStateReasonsWKV__JobSuspendedByUser,
    pwg__JobStateReasonsWKV__JobSuspending,
    pwg__JobStateReasonsWKV__JobTimedOut,
    pwg__JobStateReasonsWKV__JobTransforming,
    pwg__JobStateReasonsWKV__JobWarningsDetected,
    pwg__JobStateReasonsWKV__None,
    pwg__JobStateReasonsWKV__PrinterStopped,
    pwg__JobStateReasonsWKV__PrinterStoppedPartly,
    pwg__JobStateReasonsWKV__ProcessingToStopPoint,
    pwg__JobStateReasonsWKV__QueuedInDevice,
    pwg__JobStateReasonsWKV__ResourcesAreNotReady,
    pwg__JobStateReasonsWKV__ResourcesAreNotSupported,
    pwg__JobStateReasonsWKV__ServiceOffLine,
    pwg__JobStateReasonsWKV__SubmissionInterupted,
    pwg__JobStateReasonsWKV__UnsupportedCompression,
    pwg__JobStateReasonsWKV__UnsupportedDocumentFormat,
    pwg__JobStateReasonsWKV__WarningsDetected
};
extern typedef enum pwg__JobStateReasonsWKV_ pwg__JobStateReasonsWKV;

extern enum pwg__JobStateWKV_ : LONG64 {
    pwg__JobStateWKV__Aborted,
    pwg__JobStateWKV__Canceled,
    pwg__JobStateWKV__Completed,
    pwg__JobStateWKV__Pending,
    pwg__JobStateWKV__PendingHeld,
    pwg__JobStateWKV__Processing,
    pwg__JobStateWKV__ProcessingStopped
};
extern typedef enum pwg__JobStateWKV_ pwg__JobStateWKV;

extern enum pwg__MediaCoatingWKV_ : LONG64 {
    pwg__MediaCoatingWKV__none,
    pwg__MediaCoatingWKV__glossy,
    pwg__MediaCoatingWKV__high_x002dgloss,
    pwg__MediaCoatingWKV__semi_x002dgloss,
    pwg__MediaCoatingWKV__satin,
    pwg__MediaCoatingWKV__matte
};
extern typedef enum pwg__MediaCoatingWKV_ pwg__MediaCoatingWKV;

extern enum pwg__MediaColMemberWKV_ : LONG64 {
    pwg__MediaColMemberWKV__MediaInfo,
    pwg__MediaColMemberWKV__MediaKey,
    pwg__MediaColMemberWKV__MediaType,
    pwg__MediaColMemberWKV__MediaColor,
    pwg__MediaColMemberWKV__MediaPreprinted,
    pwg__MediaColMemberWKV__MediaHoleCount,
    pwg__MediaColMemberWKV__MediaOrderCount,
    pwg__MediaColMemberWKV__MediaSize,
    pwg__MediaColMemberWKV__MediaWeightMeteric,
    pwg__MediaColMemberWKV__MediaBackCoating,
    pwg__MediaColMemberWKV__MediaFrontCoating,
    pwg__MediaColMemberWKV__MediaRecycled
};
extern typedef enum pwg__MediaColMemberWKV_ pwg__MediaColMemberWKV;

extern enum pwg__MediaColorWKV_ : LONG64 {
    pwg__MediaColorWKV__no_x002dcolor,
    pwg__MediaColorWKV__white,
    pwg__MediaColorWKV__pink,
    pwg__MediaColorWKV__yellow,
    pwg__MediaColorWKV__blue,
    pwg__MediaColorWKV__green,
    pwg__MediaColorWKV__buff,
    pwg__MediaColorWKV__goldenrod,
    pwg__MediaColorWKV__red,
    pwg__MediaColorWKV__gray,
    pwg__MediaColorWKV__ivory,
    pwg__MediaColorWKV__orange
};
extern typedef enum pwg__MediaColorWKV_ pwg__MediaColorWKV;

extern enum pwg__MediaGrainWKV_ : LONG64 {
    pwg__MediaGrainWKV__x_x002ddirection,
    pwg__MediaGrainWKV__y_x002ddirection
};
extern typedef enum pwg__MediaGrainWKV_ pwg__MediaGrainWKV;

extern enum pwg__MediaInputTrayCheckWKV_ : LONG64 {
    pwg__MediaInputTrayCheckWKV__Top,
    pwg__MediaInputTrayCheckWKV__Middle,
    pwg__MediaInputTrayCheckWKV__Bottom,
    pwg__MediaInputTrayCheckWKV__Side,
    pwg__MediaInputTrayCheckWKV__LargeCapacity,
    pwg__MediaInputTrayCheckWKV__Envelope,
    pwg__MediaInputTrayCheckWKV__Main,
    pwg__MediaInputTrayCheckWKV__Manual
};
extern typedef enum pwg__MediaInputTrayCheckWKV_ pwg__MediaInputTrayCheckWKV;

extern enum pwg__MediaMaterialWKV_ : LONG64 {
    pwg__MediaMaterialWKV__Cloth,
    pwg__MediaMaterialWKV__Film,
    pwg__MediaMaterialWKV__Other,
    pwg__MediaMaterialWKV__Paper,
    pwg__MediaMaterialWKV__Transparency
};
extern typedef enum pwg__MediaMaterialWKV_ pwg__MediaMaterialWKV;

extern enum pwg__MediaRecycledWKV_ : LONG64 {
    pwg__MediaRecycledWKV__none,
    pwg__MediaRecycledWKV__standard
};
extern typedef enum pwg__MediaRecycledWKV_ pwg__MediaRecycledWKV;

extern enum pwg__MediaSizeAliasNameWKV_ : LONG64 {
    pwg__MediaSizeAliasNameWKV__10x11,
    pwg__MediaSizeAliasNameWKV__10x13,
    pwg__MediaSizeAliasNameWKV__10x14,
    pwg__MediaSizeAliasNameWKV__10x15,
    pwg__MediaSizeAliasNameWKV__11x12,
    pwg__MediaSizeAliasNameWKV__11x15,
    pwg__MediaSizeAliasNameWKV__12x19,
    pwg__MediaSizeAliasNameWKV__2a0,
    pwg__MediaSizeAliasNameWKV__5x7,
    pwg__MediaSizeAliasNameWKV__6x9,
    pwg__MediaSizeAliasNameWKV__7x9,
    pwg__MediaSizeAliasNameWKV__9x11,
    pwg__MediaSizeAliasNameWKV__a,
    pwg__MediaSizeAliasNameWKV__a0,
    pwg__MediaSizeAliasNameWKV__a1,
    pwg__MediaSizeAliasNameWKV__a10,
    pwg__MediaSizeAliasNameWKV__a2,
    pwg__MediaSizeAliasNameWKV__a3,
    pwg__MediaSizeAliasNameWKV__a4,
    pwg__MediaSizeAliasNameWKV__a4_x002dextra,
    pwg__MediaSizeAliasNameWKV__a4_x002dtab,
    pwg__MediaSizeAliasNameWKV__a5,
    pwg__MediaSizeAliasNameWKV__a5_x002dextra,
    pwg__MediaSizeAliasNameWKV__a6,
    pwg__MediaSizeAliasNameWKV__a7,
    pwg__MediaSizeAliasNameWKV__a8,
    pwg__MediaSizeAliasNameWKV__a9,
    pwg__MediaSizeAliasNameWKV__architecture_x002da,
    pwg__MediaSizeAliasNameWKV__architecture_x002db,
    pwg__MediaSizeAliasNameWKV__architecture_x002dc,
    pwg__MediaSizeAliasNameWKV__architecture_x002dd,
    pwg__MediaSizeAliasNameWKV__architecture_x002de,
    pwg__MediaSizeAliasNameWKV__architecture_x002df,
    pwg__MediaSizeAliasNameWKV__b,
    pwg__MediaSizeAliasNameWKV__b0,
    pwg__MediaSizeAliasNameWKV__b1,
    pwg__MediaSizeAliasNameWKV__b10,
    pwg__MediaSizeAliasNameWKV__b2,
    pwg__MediaSizeAliasNameWKV__b3,
    pwg__MediaSizeAliasNameWKV__b4,
    pwg__MediaSizeAliasNameWKV__b5,
    pwg__MediaSizeAliasNameWKV__b5_x002dextra,
    pwg__MediaSizeAliasNameWKV__b6,
    pwg__MediaSizeAliasNameWKV__b6_x002fc4,
    pwg__MediaSizeAliasNameWKV__b7,
    pwg__MediaSizeAliasNameWKV__b8,
    pwg__MediaSizeAliasNameWKV__b9,
    pwg__MediaSizeAliasNameWKV__b_x002dplus,
    pwg__MediaSizeAliasNameWKV__c0,
    pwg__MediaSizeAliasNameWKV__c1,
    pwg__MediaSizeAliasNameWKV__c10,
    pwg__MediaSizeAliasNameWKV__c2,
    pwg__MediaSizeAliasNameWKV__c3,
    pwg__MediaSizeAliasNameWKV__c4,
    pwg__MediaSizeAliasNameWKV__c5,
    pwg__MediaSizeAliasNameWKV__c6,
    pwg__MediaSizeAliasNameWKV__c6_x002fc5,
    pwg__MediaSizeAliasNameWKV__c7,
    pwg__MediaSizeAliasNameWKV__c7_x002fc6,
    pwg__MediaSizeAliasNameWKV__c8,
    pwg__MediaSizeAliasNameWKV__c9,
    pwg__MediaSizeAliasNameWKV__chou2,
    pwg__MediaSizeAliasNameWKV__chou3,
    pwg__MediaSizeAliasNameWKV__chou4,
    pwg__MediaSizeAliasNameWKV__comm_x002d10,
    pwg__MediaSizeAliasNameWKV__dai_x002dpa_x002dkai,
    pwg__MediaSizeAliasNameWKV__designated_x002dlong,
    pwg__MediaSizeAliasNameWKV__dl,
    pwg__MediaSizeAliasNameWKV__e1,
    pwg__MediaSizeAliasNameWKV__edp,
    pwg__MediaSizeAliasNameWKV__engineering_x002da,
    pwg__MediaSizeAliasNameWKV__engineering_x002db,
    pwg__MediaSizeAliasNameWKV__engineering_x002dc,
    pwg__MediaSizeAliasNameWKV__engineering_x002dd,
    pwg__MediaSizeAliasNameWKV__engineering_x002de,
    pwg__MediaSizeAliasNameWKV__engineering_x002df,
    pwg__MediaSizeAliasNameWKV__european_x002dedp,
    pwg__MediaSizeAliasNameWKV__exec,
    pwg__MediaSizeAliasNameWKV__f,
    pwg__MediaSizeAliasNameWKV__fanfold_x002dEuropean,
    pwg__MediaSizeAliasNameWKV__fanfold_x002dus,
    pwg__MediaSizeAliasNameWKV__folio_x002dsp,
    pwg__MediaSizeAliasNameWKV__foolscap,
    pwg__MediaSizeAliasNameWKV__german_x002dlegal_x002dfanfold,
    pwg__MediaSizeAliasNameWKV__government_x002dlegal,
    pwg__MediaSizeAliasNameWKV__government_x002dletter,
    pwg__MediaSizeAliasNameWKV__hagaki,
    pwg__MediaSizeAliasNameWKV__half_x002dletter,
    pwg__MediaSizeAliasNameWKV__index_x002d3x5,
    pwg__MediaSizeAliasNameWKV__index_x002d4x6,
    pwg__MediaSizeAliasNameWKV__index_x002d4x6_x002dext,
    pwg__MediaSizeAliasNameWKV__index_x002d5x8,
    pwg__MediaSizeAliasNameWKV__Invite,
    pwg__MediaSizeAliasNameWKV__Italian,
    pwg__MediaSizeAliasNameWKV__juuro_x002dku_x002dkai,
    pwg__MediaSizeAliasNameWKV__kahu,
    pwg__MediaSizeAliasNameWKV__kaku2,
    pwg__MediaSizeAliasNameWKV__large_x002dphoto,
    pwg__MediaSizeAliasNameWKV__ledger,
    pwg__MediaSizeAliasNameWKV__legal,
    pwg__MediaSizeAliasNameWKV__legal_x002dextra,
    pwg__MediaSizeAliasNameWKV__letter,
    pwg__MediaSizeAliasNameWKV__letter_x002dextra,
    pwg__MediaSizeAliasNameWKV__letter_x002dplus,
    pwg__MediaSizeAliasNameWKV__mini,
    pwg__MediaSizeAliasNameWKV__number_x002d11,
    pwg__MediaSizeAliasNameWKV__number_x002d12,
    pwg__MediaSizeAliasNameWKV__number_x002d14,
    pwg__MediaSizeAliasNameWKV__oufuku,
    pwg__MediaSizeAliasNameWKV__pa_x002dkai,
    pwg__MediaSizeAliasNameWKV__personal,
    pwg__MediaSizeAliasNameWKV__Postfix,
    pwg__MediaSizeAliasNameWKV__prc1,
    pwg__MediaSizeAliasNameWKV__prc10,
    pwg__MediaSizeAliasNameWKV__prc_x002d16k,
    pwg__MediaSizeAliasNameWKV__prc2,
    pwg__MediaSizeAliasNameWKV__prc3,
    pwg__MediaSizeAliasNameWKV__prc_x002d32k,
    pwg__MediaSizeAliasNameWKV__prc4,
    pwg__MediaSizeAliasNameWKV__prc5,
    pwg__MediaSizeAliasNameWKV__prc6,
    pwg__MediaSizeAliasNameWKV__prc7,
    pwg__MediaSizeAliasNameWKV__prc8,
    pwg__MediaSizeAliasNameWKV__roc_x002d16k,
    pwg__MediaSizeAliasNameWKV__roc_x002d8k,
    pwg__MediaSizeAliasNameWKV__small_x002dphoto,
    pwg__MediaSizeAliasNameWKV__statement,
    pwg__MediaSizeAliasNameWKV__super_x002da,
    pwg__MediaSizeAliasNameWKV__super_x002db,
    pwg__MediaSizeAliasNameWKV__tabloid_x002dextra,
    pwg__MediaSizeAliasNameWKV__wide_x002dformat,
    pwg__MediaSizeAliasNameWKV__you4
};
extern typedef enum pwg__MediaSizeAliasNameWKV_ pwg__MediaSizeAliasNameWKV;

extern enum pwg__MediaSizeLegacyNamesWKV_ : LONG64 {
    pwg__MediaSizeLegacyNamesWKV__a0x2,
    pwg__MediaSizeLegacyNamesWKV__a0x3,
    pwg__MediaSizeLegacyNamesWKV__a1x3,
    pwg__MediaSizeLegacyNamesWKV__a1x4,
    pwg__MediaSizeLegacyNamesWKV__a2x3,
    pwg__MediaSizeLegacyNamesWKV__a2x4,
    pwg__MediaSizeLegacyNamesWKV__a2x5,
    pwg__MediaSizeLegacyNamesWKV__a3x3,
    pwg__MediaSizeLegacyNamesWKV__a3x4,
    pwg__MediaSizeLegacyNamesWKV__a3x5,
    pwg__MediaSizeLegacyNamesWKV__a3x6,
    pwg__MediaSizeLegacyNamesWKV__a3x7,
    pwg__MediaSizeLegacyNamesWKV__a4x3,
    pwg__MediaSizeLegacyNamesWKV__a4x4,
    pwg__MediaSizeLegacyNamesWKV__a4x5,
    pwg__MediaSizeLegacyNamesWKV__a4x6,
    pwg__MediaSizeLegacyNamesWKV__a4x7,
    pwg__MediaSizeLegacyNamesWKV__a4x8,
    pwg__MediaSizeLegacyNamesWKV__a4x9,
    pwg__MediaSizeLegacyNamesWKV__arch_x002da,
    pwg__MediaSizeLegacyNamesWKV__arch_x002db,
    pwg__MediaSizeLegacyNamesWKV__arch_x002dc,
    pwg__MediaSizeLegacyNamesWKV__arch_x002dd,
    pwg__MediaSizeLegacyNamesWKV__arch_x002de,
    pwg__MediaSizeLegacyNamesWKV__c,
    pwg__MediaSizeLegacyNamesWKV__d,
    pwg__MediaSizeLegacyNamesWKV__e,
    pwg__MediaSizeLegacyNamesWKV__executive,
    pwg__MediaSizeLegacyNamesWKV__f,
    pwg__MediaSizeLegacyNamesWKV__folio,
    pwg__MediaSizeLegacyNamesWKV__invoice,
    pwg__MediaSizeLegacyNamesWKV__iso_x002da0,
    pwg__MediaSizeLegacyNamesWKV__iso_x002da1,
    pwg__MediaSizeLegacyNamesWKV__iso_x002da10,
    pwg__MediaSizeLegacyNamesWKV__iso_x002da1x3,
    pwg__MediaSizeLegacyNamesWKV__iso_x002da1x4,
    pwg__MediaSizeLegacyNamesWKV__iso_x002da2,
    pwg__MediaSizeLegacyNamesWKV__iso_x002da2x3,
    pwg__MediaSizeLegacyNamesWKV__iso_x002da2x4,
    pwg__MediaSizeLegacyNamesWKV__iso_x002da2x5,
    pwg__MediaSizeLegacyNamesWKV__iso_x002da3,
    pwg__MediaSizeLegacyNamesWKV__iso_x002da3_x002dextra,
    pwg__MediaSizeLegacyNamesWKV__iso_x002da3x3,
    pwg__MediaSizeLegacyNamesWKV__iso_x002da3x4,
    pwg__MediaSizeLegacyNamesWKV__iso_x002da3x5,
    pwg__MediaSizeLegacyNamesWKV__iso_x002da3x6,
    pwg__MediaSizeLegacyNamesWKV__iso_x002da3x7,
    pwg__MediaSizeLegacyNamesWKV__iso_x002da4,
    pwg__MediaSizeLegacyNamesWKV__iso_x002da4x3,
    pwg__MediaSizeLegacyNamesWKV__iso_x002da4x4,
    pwg__MediaSizeLegacyNamesWKV__iso_x002da4x5,
    pwg__MediaSizeLegacyNamesWKV__iso_x002da4x6,
    pwg__MediaSizeLegacyNamesWKV__iso_x002da4x7,
    pwg__MediaSizeLegacyNamesWKV__iso_x002da4x8,
    pwg__MediaSizeLegacyNamesWKV__iso_x002da4x9,
    pwg__MediaSizeLegacyNamesWKV__iso_x002da5,
    pwg__MediaSizeLegacyNamesWKV__iso_x002da6,
    pwg__MediaSizeLegacyNamesWKV__iso_x002da7,
    pwg__MediaSizeLegacyNamesWKV__iso_x002da8,
    pwg__MediaSizeLegacyNamesWKV__iso_x002da9,
    pwg__MediaSizeLegacyNamesWKV__iso_x002db0,
    pwg__MediaSizeLegacyNamesWKV__iso_x002db1,
    pwg__MediaSizeLegacyNamesWKV__iso_x002db10,
    pwg__MediaSizeLegacyNamesWKV__iso_x002db2,
    pwg__MediaSizeLegacyNamesWKV__iso_x002db3,
    pwg__MediaSizeLegacyNamesWKV__iso_x002db4,
    pwg__MediaSizeLegacyNamesWKV__iso_x002db5,
    pwg__MediaSizeLegacyNamesWKV__iso_x002db6,
    pwg__MediaSizeLegacyNamesWKV__iso_x002db7,
    pwg__MediaSizeLegacyNamesWKV__iso_x002db8,
    pwg__MediaSizeLegacyNamesWKV__iso_x002db9,
    pwg__MediaSizeLegacyNamesWKV__iso_x002dc0,
    pwg__MediaSizeLegacyNamesWKV__iso_x002dc1,
    pwg__MediaSizeLegacyNamesWKV__iso_x002dc2,
    pwg__MediaSizeLegacyNamesWKV__iso_x002dc3,
    pwg__MediaSizeLegacyNamesWKV__iso_x002dc4,
    pwg__MediaSizeLegacyNamesWKV__iso_x002dc5,
    pwg__MediaSizeLegacyNamesWKV__iso_x002dc6,
    pwg__MediaSizeLegacyNamesWKV__iso_x002dc7,
    pwg__MediaSizeLegacyNamesWKV__iso_x002dc8,
    pwg__MediaSizeLegacyNamesWKV__iso_x002ddesignated,
    pwg__MediaSizeLegacyNamesWKV__iso_x002dra0,
    pwg__MediaSizeLegacyNamesWKV__iso_x002dra1,
    pwg__MediaSizeLegacyNamesWKV__iso_x002dra2,
    pwg__MediaSizeLegacyNamesWKV__iso_x002dsra0,
    pwg__MediaSizeLegacyNamesWKV__iso_x002dsra1,
    pwg__MediaSizeLegacyNamesWKV__iso_x002dsra2,
    pwg__MediaSizeLegacyNamesWKV__jis_x002db0,
    pwg__MediaSizeLegacyNamesWKV__jis_x002db1,
    pwg__MediaSizeLegacyNamesWKV__jis_x002db10,
    pwg__MediaSizeLegacyNamesWKV__jis_x002db2,
    pwg__MediaSizeLegacyNamesWKV__jis_x002db3,
    pwg__MediaSizeLegacyNamesWKV__jis_x002db4,
    pwg__MediaSizeLegacyNamesWKV__jis_x002db5,
    pwg__MediaSizeLegacyNamesWKV__jis_x002db6,
    pwg__MediaSizeLegacyNamesWKV__jis_x002db7,
    pwg__MediaSizeLegacyNamesWKV__jis_x002db8,
    pwg__MediaSizeLegacyNamesWKV__jis_x002db9,
    pwg__MediaSizeLegacyNamesWKV__monarch_x002denvelope,
    pwg__MediaSizeLegacyNamesWKV__na_x002d10x13_x002denvelope,
    pwg__MediaSizeLegacyNamesWKV__na_x002d10x14_x002denvelope,
    pwg__MediaSizeLegacyNamesWKV__na_x002d10x15_x002denvelope,
    pwg__MediaSizeLegacyNamesWKV__na_x002d6x9_x002denvelope,
    pwg__MediaSizeLegacyNamesWKV__na_x002d7x9_x002denvelope,
    pwg__MediaSizeLegacyNamesWKV__na_x002d8x10,
    pwg__MediaSizeLegacyNamesWKV__na_x002d9x11_x002denvelope,
    pwg__MediaSizeLegacyNamesWKV__na_x002dlegal,
    pwg__MediaSizeLegacyNamesWKV__na_x002dletter,
    pwg__MediaSizeLegacyNamesWKV__na_x002dnumber_x002d10_x002denvelope,
    pwg__MediaSizeLegacyNamesWKV__na_x002dnumber_x002d9_x002denvelope,
    pwg__MediaSizeLegacyNamesWKV__quarto,
    pwg__MediaSizeLegacyNamesWKV__tabloid
};
extern typedef enum pwg__MediaSizeLegacyNamesWKV_ pwg__MediaSizeLegacyNamesWKV;

extern enum pwg__MediaSizeMemberWKV_ : LONG64 {
    pwg__MediaSizeMemberWKV__XDimension,
    pwg__MediaSizeMemberWKV__YDimension
};
extern typedef enum pwg__MediaSizeMemberWKV_ pwg__MediaSizeMemberWKV;

extern enum pwg__MediaSizeSelfDescribingNameWKV_ : LONG64 {
    pwg__MediaSizeSelfDescribingNameWKV__asme_f_28x40in,
    pwg__MediaSizeSelfDescribingNameWKV__iso_2a0_1189x1682mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_a0_841x1189mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_a0x3_1189x2523mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_a1_594x841mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_a10_26x37mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_a1x3_841x1783mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_a1x4_841x2378mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_a2_420x594mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_a2x3_594x1261mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_a2x4_594x1682mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_a2x5_594x2102mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_a3_297x420mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_a3_x002dextra_322x445mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_a3x3_420x891mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_a3x4_420x1189mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_a3x5_420x1486mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_a3x6_420x1783mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_a3x7_420x2080mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_a4_210x297mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_a4_x002dextra_235_x002e5x322_x002e3mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_a4_x002dtab_225x297mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_a4x3_297x630mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_a4x4_297x841mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_a4x5_297x1051mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_a4x6_297x1261mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_a4x7_297x1471mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_a4x8_297x1682mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_a4x9_297x1892mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_a5_148x210mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_a5_x002dextra_174x235mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_a6_105x148mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_a7_74x105mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_a8_52x74mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_a9_37x52mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_b0_1000x1414mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_b1_707x1000mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_b10_31x44mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_b2_500x707mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_b3_353x500mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_b4_250x353mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_b5_176x250mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_b5_x002dextra_201x276mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_b6_125x176mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_b6c4_125x324mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_b7_88x125mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_b8_62x88mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_b9_44x62mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_c0_917x1297mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_c1_648x917mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_c10_28x40mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_c2_458x648mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_c3_324x458mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_c4_229x324mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_c5_162x229mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_c6_114x162mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_c6c5_114x229mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_c7_81x114mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_c7c6_81x162mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_c8_57x81mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_c9_40x57mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_dl_110x220mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_ra0_860x1220mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_ra1_610x860mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_ra2_430x610mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_sra0_900x1280mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_sra1_640x900mm,
    pwg__MediaSizeSelfDescribingNameWKV__iso_sra2_450x640mm,
    pwg__MediaSizeSelfDescribingNameWKV__jis_b0_1030x1456mm,
    pwg__MediaSizeSelfDescribingNameWKV__jis_b1_728x1030mm,
    pwg__MediaSizeSelfDescribingNameWKV__jis_b10_32x45mm,
    pwg__MediaSizeSelfDescribingNameWKV__jis_b2_515x728mm,
    pwg__MediaSizeSelfDescribingNameWKV__jis_b3_364x515mm,
    pwg__MediaSizeSelfDescribingNameWKV__jis_b4_257x364mm,
    pwg__MediaSizeSelfDescribingNameWKV__jis_b5_182x257mm,
    pwg__MediaSizeSelfDescribingNameWKV__jis_b6_128x182mm,
    pwg__MediaSizeSelfDescribingNameWKV__jis_b7_91x128mm,
    pwg__MediaSizeSelfDescribingNameWKV__jis_b8_64x91mm,
    pwg__MediaSizeSelfDescribingNameWKV__jis_b9_45x64mm,
    pwg__MediaSizeSelfDescribingNameWKV__jis_exec_216x330mm,
    pwg__MediaSizeSelfDescribingNameWKV__jpn_chou2_111_x002e1x146mm,
    pwg__MediaSizeSelfDescribingNameWKV__jpn_chou3_120x235mm,
    pwg__MediaSizeSelfDescribingNameWKV__jpn_chou4_90x205mm,
    pwg__MediaSizeSelfDescribingNameWKV__jpn_hagaki_100x148mm,
    pwg__MediaSizeSelfDescribingNameWKV__jpn_kahu_240x322_x002e1mm,
    pwg__MediaSizeSelfDescribingNameWKV__jpn_kaku2_240x332mm,
    pwg__MediaSizeSelfDescribingNameWKV__jpn_oufuku_148x200mm,
    pwg__MediaSizeSelfDescribingNameWKV__jpn_you4_105x235mm,
    pwg__MediaSizeSelfDescribingNameWKV__na_10x11_10x11in,
    pwg__MediaSizeSelfDescribingNameWKV__na_10x13_10x13in,
    pwg__MediaSizeSelfDescribingNameWKV__na_10x14_10x14in,
    pwg__MediaSizeSelfDescribingNameWKV__na_10x15_10x15in,
    pwg__MediaSizeSelfDescribingNameWKV__na_11x12_11x12in,
    pwg__MediaSizeSelfDescribingNameWKV__na_11x15_11x15in,
    pwg__MediaSizeSelfDescribingNameWKV__na_12x19_12x19in,
    pwg__MediaSizeSelfDescribingNameWKV__na_5x7_5x7in,
    pwg__MediaSizeSelfDescribingNameWKV__na_6x9_6x9in,
    pwg__MediaSizeSelfDescribingNameWKV__na_7x9_7x9in,
    pwg__MediaSizeSelfDescribingNameWKV__na_9x11_9x11in,
    pwg__MediaSizeSelfDescribingNameWKV__na_a2_4_x002e375x5_x002e75in,
    pwg__MediaSizeSelfDescribingNameWKV__na_arch_x002da_9x12in,
    pwg__MediaSizeSelfDescribingNameWKV__na_arch_x002db_12x18in,
    pwg__MediaSizeSelfDescribingNameWKV__na_arch_x002dc_18x24in,
    pwg__MediaSizeSelfDescribingNameWKV__na_arch_x002dd_24x36in,
    pwg__MediaSizeSelfDescribingNameWKV__na_arch_x002de_36x48in,
    pwg__MediaSizeSelfDescribingNameWKV__na_b_x002dplus_12x19_x002e17in,
    pwg__MediaSizeSelfDescribingNameWKV__na_c_17x22in,
    pwg__MediaSizeSelfDescribingNameWKV__na_c5_6_x002e5x9_x002e5in,
    pwg__MediaSizeSelfDescribingNameWKV__na_d_22x34in,
    pwg__MediaSizeSelfDescribingNameWKV__na_e_34x44in,
    pwg__MediaSizeSelfDescribingNameWKV__na_edp_11x14in,
    pwg__MediaSizeSelfDescribingNameWKV__na_eur_x002dedp_12x14in,
    pwg__MediaSizeSelfDescribingNameWKV__na_executive_7_x002e25x10_x002e5in,
    pwg__MediaSizeSelfDescribingNameWKV__na_f_44x68in,
    pwg__MediaSizeSelfDescribingNameWKV__na_fanfold_x002deur_8_x002e5x12in,
    pwg__MediaSizeSelfDescribingNameWKV__na_fanfold_x002dus_11x14_x002e875in,
    pwg__MediaSizeSelfDescribingNameWKV__na_foolscap_8_x002e5x13in,
    pwg__MediaSizeSelfDescribingNameWKV__na_govt_x002dlegal_8x13in,
    pwg__MediaSizeSelfDescribingNameWKV__na_govt_x002dletter_8x10in,
    pwg__MediaSizeSelfDescribingNameWKV__na_index_x002d3x5_3x5in,
    pwg__MediaSizeSelfDescribingNameWKV__na_index_x002d4x6_4x6in,
    pwg__MediaSizeSelfDescribingNameWKV__na_index_x002d4x6_x002dext_6x8in,
    pwg__MediaSizeSelfDescribingNameWKV__na_index_x002d5x8_5x8in,
    pwg__MediaSizeSelfDescribingNameWKV__na_invoice_5_x002e5x8_x002e5in,
    pwg__MediaSizeSelfDescribingNameWKV__na_ledger_11x17in,
    pwg__MediaSizeSelfDescribingNameWKV__na_legal_8_x002e5x14in,
    pwg__MediaSizeSelfDescribingNameWKV__na_legal_x002dextra_9_x002e5x15in,
    pwg__MediaSizeSelfDescribingNameWKV__na_letter_8_x002e5x11in,
    pwg__MediaSizeSelfDescribingNameWKV__na_letter_x002dextra_9_x002e5x12in,
    pwg__MediaSizeSelfDescribingNameWKV__na_letter_x002dplus_8_x002e5x12_x002e69in,
    pwg__MediaSizeSelfDescribingNameWKV__na_monarch_3_x002e875x7_x002e5in,
    pwg__MediaSizeSelfDescribingNameWKV__na_number_x002d10_4_x002e125x9_x002e5in,
    pwg__MediaSizeSelfDescribingNameWKV__na_number_x002d11_4_x002e5x10_x002e375in,
    pwg__MediaSizeSelfDescribingNameWKV__na_number_x002d12_4_x002e75x11in,
    pwg__MediaSizeSelfDescribingNameWKV__na_number_x002d14_5x11_x002e5in,
    pwg__MediaSizeSelfDescribingNameWKV__na_number_x002d9_3_x002e875x8_x002e875in,
    pwg__MediaSizeSelfDescribingNameWKV__na_personal_3_x002e625x6_x002e5in,
    pwg__MediaSizeSelfDescribingNameWKV__na_quarto_8_x002e5x10_x002e83in,
    pwg__MediaSizeSelfDescribingNameWKV__na_super_x002da_8_x002e94x14in,
    pwg__MediaSizeSelfDescribingNameWKV__na_super_x002db_13x19in,
    pwg__MediaSizeSelfDescribingNameWKV__na_wide_x002dformat_30x42in,
    pwg__MediaSizeSelfDescribingNameWKV__om_dai_x002dpa_x002dkai_275x395mm,
    pwg__MediaSizeSelfDescribingNameWKV__om_folio_210x330mm,
    pwg__MediaSizeSelfDescribingNameWKV__om_folio_x002dsp_215x315mm,
    pwg__MediaSizeSelfDescribingNameWKV__om_invite_220x220mm,
    pwg__MediaSizeSelfDescribingNameWKV__om_italian_110x230mm,
    pwg__MediaSizeSelfDescribingNameWKV__om_juuro_x002dku_x002dkai_198x275mm,
    pwg__MediaSizeSelfDescribingNameWKV__om_large_x002dphoto_200x300mm,
    pwg__MediaSizeSelfDescribingNameWKV__om_pa_x002dkai_267x389mm,
    pwg__MediaSizeSelfDescribingNameWKV__om_postfix_114x229mm,
    pwg__MediaSizeSelfDescribingNameWKV__om_small_x002dphoto_100x150mm,
    pwg__MediaSizeSelfDescribingNameWKV__prc_1_102x165mm,
    pwg__MediaSizeSelfDescribingNameWKV__prc_10_324x458mm,
    pwg__MediaSizeSelfDescribingNameWKV__prc_16k_146x215mm,
    pwg__MediaSizeSelfDescribingNameWKV__prc_2_102x176mm,
    pwg__MediaSizeSelfDescribingNameWKV__prc_3_125x176mm,
    pwg__MediaSizeSelfDescribingNameWKV__prc_32k_97x151mm,
    pwg__MediaSizeSelfDescribingNameWKV__prc_4_110x208mm,
    pwg__MediaSizeSelfDescribingNameWKV__prc_5_110x220mm,
    pwg__MediaSizeSelfDescribingNameWKV__prc_6_120x320mm,
    pwg__MediaSizeSelfDescribingNameWKV__prc_7_160x230mm,
    pwg__MediaSizeSelfDescribingNameWKV__prc_8_120x309mm,
    pwg__MediaSizeSelfDescribingNameWKV__pwg_letter_x002dor_x002da4_choice,
    pwg__MediaSizeSelfDescribingNameWKV__roc_16k_7_x002e75x10_x002e75in,
    pwg__MediaSizeSelfDescribingNameWKV__roc_8k_10_x002e75x15_x002e5in
};
extern typedef enum pwg__MediaSizeSelfDescribingNameWKV_ pwg__MediaSizeSelfDescribingNameWKV;

extern enum pwg__MediaToothWKV_ : LONG64 {
    pwg__MediaToothWKV__coarse,
    pwg__MediaToothWKV__fine,
    pwg__MediaToothWKV__medium
};
extern typedef enum pwg__MediaToothWKV_ pwg__MediaToothWKV;

extern enum pwg__MediaTypeWKV_ : LONG64 {
    pwg__MediaTypeWKV__back_x002dprint_x002dfilm,
    pwg__MediaTypeWKV__cardstock,
    pwg__MediaTypeWKV__continuous,
    pwg__MediaTypeWKV__continuous_x002dlong,
    pwg__MediaTypeWKV__continuous_x002dshort,
    pwg__MediaTypeWKV__envelope,
    pwg__MediaTypeWKV__envelope_x002dplain,
    pwg__MediaTypeWKV__envelope_x002dwindow,
    pwg__MediaTypeWKV__full_x002dcut_x002dtabs,
    pwg__MediaTypeWKV__labels,
    pwg__MediaTypeWKV__pre_x002dcut_x002dtabs,
    pwg__MediaTypeWKV__multi_x002dlayer,
    pwg__MediaTypeWKV__multi_x002dpart_x002dforms,
    pwg__MediaTypeWKV__photographic,
    pwg__MediaTypeWKV__photographic_x002dfilm,
    pwg__MediaTypeWKV__photographic_x002dglossy,
    pwg__MediaTypeWKV__photographic_x002dhigh_x002dgloss,
    pwg__MediaTypeWKV__photographic_x002dmatte,
    pwg__MediaTypeWKV__photographic_x002dsatin,
    pwg__MediaTypeWKV__photographic_x002dsemi_x002dgloss,
    pwg__MediaTypeWKV__roll,
    pwg__MediaTypeWKV__screen,
    pwg__MediaTypeWKV__screen_x002dpaged,
    pwg__MediaTypeWKV__stationery,
    pwg__MediaTypeWKV__stationery_x002dcoated,
    pwg__MediaTypeWKV__stationery_x002dfine,
    pwg__MediaTypeWKV__stationery_x002dheavyweight,
    pwg__MediaTypeWKV__stationery_x002dinkjet,
    pwg__MediaTypeWKV__stationery_x002dletterhead,
    pwg__MediaTypeWKV__stationery_x002dlightweight,
    pwg__MediaTypeWKV__stationery_x002dpreprinted,
    pwg__MediaTypeWKV__stationery_x002dprepunched,
    pwg__MediaTypeWKV__tab_x002dstock,
    pwg__MediaTypeWKV__transparency,
    pwg__MediaTypeWKV__other
};
extern typedef enum pwg__MediaTypeWKV_ pwg__MediaTypeWKV;

extern enum pwg__MultipleDocumentsHandlingWKV_ : LONG64 {
    pwg__MultipleDocumentsHandlingWKV__SeparateDocumentsCollatedCopies,
    pwg__MultipleDocumentsHandlingWKV__SeparateDocumentsUncollatedCopies,
    pwg__MultipleDocumentsHandlingWKV__SingleDocument,
    pwg__MultipleDocumentsHandlingWKV__SingleDocumentNewSheet
};
extern typedef enum pwg__MultipleDocumentsHandlingWKV_ pwg__MultipleDocumentsHandlingWKV;

extern enum pwg__NaturalLanguageWKV_ : LONG64 {
    pwg__NaturalLanguageWKV__ar,
    pwg__NaturalLanguageWKV__de,
    pwg__NaturalLanguageWKV__en,
    pwg__NaturalLanguageWKV__en_x002dus,
    pwg__NaturalLanguageWKV__es,
    pwg__NaturalLanguageWKV__fr,
    pwg__NaturalLanguageWKV__hi,
    pwg__NaturalLanguageWKV__it,
    pwg__NaturalLanguageWKV__ja,
    pwg__NaturalLanguageWKV__pt,
    pwg__NaturalLanguageWKV__zh
};
extern typedef enum pwg__NaturalLanguageWKV_ pwg__NaturalLanguageWKV;

extern enum pwg__OperatingSystemNameWKV_ : LONG64 {
    pwg__OperatingSystemNameWKV__aegis,
    pwg__OperatingSystemNameWKV__amiga_x002dos_x002d1_x002e2,
    pwg__OperatingSystemNameWKV__amiga_x002dos_x002d1_x002e3,
    pwg__OperatingSystemNameWKV__amiga_x002dos_x002d2_x002e0,
    pwg__OperatingSystemNameWKV__amiga_x002dos_x002d2_x002e1,
    pwg__OperatingSystemNameWKV__amiga_x002dos_x002d3_x002e0,
    pwg__OperatingSystemNameWKV__amiga_x002dos_x002d3_x002e1,
    pwg__OperatingSystemNameWKV__amiga_x002dos_x002d3_x002e5,
    pwg__OperatingSystemNameWKV__amiga_x002dos_x002d3_x002e9,
    pwg__OperatingSystemNameWKV__apollo,
    pwg__OperatingSystemNameWKV__aix_x002f370,
    pwg__OperatingSystemNameWKV__aix_x002dps_x002f2,
    pwg__OperatingSystemNameWKV__beos_x002d4_x002e5_x002e2,
    pwg__OperatingSystemNameWKV__beos_x002d5_x002e0,
    pwg__OperatingSystemNameWKV__bs_x002d2000,
    pwg__OperatingSystemNameWKV__cedar,
    pwg__OperatingSystemNameWKV__cgw,
    pwg__OperatingSystemNameWKV__chorus,
    pwg__OperatingSystemNameWKV__chrysalis,
    pwg__OperatingSystemNameWKV__cmos,
    pwg__OperatingSystemNameWKV__cms,
    pwg__OperatingSystemNameWKV__cos,
    pwg__OperatingSystemNameWKV__cpix,
    pwg__OperatingSystemNameWKV__ctos,
    pwg__OperatingSystemNameWKV__ctss,
    pwg__OperatingSystemNameWKV__dcn,
    pwg__OperatingSystemNameWKV__ddnos,
    pwg__OperatingSystemNameWKV__domain,
    pwg__OperatingSystemNameWKV__dos,
    pwg__OperatingSystemNameWKV__edx,
    pwg__OperatingSystemNameWKV__elf,
    pwg__OperatingSystemNameWKV__embos,
    pwg__OperatingSystemNameWKV__emmos,
    pwg__OperatingSystemNameWKV__epos,
    pwg__OperatingSystemNameWKV__foonex,
    pwg__OperatingSystemNameWKV__freebsd,
    pwg__OperatingSystemNameWKV__forth,
    pwg__OperatingSystemNameWKV__fuzz,
    pwg__OperatingSystemNameWKV__gcos,
    pwg__OperatingSystemNameWKV__gpos,
    pwg__OperatingSystemNameWKV__hdos,
    pwg__OperatingSystemNameWKV__imagen,
    pwg__OperatingSystemNameWKV__instant_x002dinternet,
    pwg__OperatingSystemNameWKV__intercom,
    pwg__OperatingSystemNameWKV__impress,
    pwg__OperatingSystemNameWKV__interlisp,
    pwg__OperatingSystemNameWKV__ios,
    pwg__OperatingSystemNameWKV__irix,
    pwg__OperatingSystemNameWKV__isi_x002d68020,
    pwg__OperatingSystemNameWKV__its,
    pwg__OperatingSystemNameWKV__kosos,
    pwg__OperatingSystemNameWKV__linux,
    pwg__OperatingSystemNameWKV__linux_x002d1_x002e0,
    pwg__OperatingSystemNameWKV__linux_x002d1_x002e2,
    pwg__OperatingSystemNameWKV__linux_x002d2_x002e0,
    pwg__OperatingSystemNameWKV__linux_x002d2_x002e2,
    pwg__OperatingSystemNameWKV__linux_x002d2_x002e4,
    pwg__OperatingSystemNameWKV__lisp,
    pwg__OperatingSystemNameWKV__lispm,
    pwg__OperatingSystemNameWKV__locus,
    pwg__OperatingSystemNameWKV__macos,
    pwg__OperatingSystemNameWKV__minos,
    pwg__OperatingSystemNameWKV__mos,
    pwg__OperatingSystemNameWKV__mpe5,
    pwg__OperatingSystemNameWKV__mpe_x002fv,
    pwg__OperatingSystemNameWKV__mpe_x002fix,
    pwg__OperatingSystemNameWKV__msdos,
    pwg__OperatingSystemNameWKV__multics,
    pwg__OperatingSystemNameWKV__music,
    pwg__OperatingSystemNameWKV__music_x002fsp,
    pwg__OperatingSystemNameWKV__mvs,
    pwg__OperatingSystemNameWKV__mvs_x002fsp,
    pwg__OperatingSystemNameWKV__netbsd_x002d1_x002e0,
    pwg__OperatingSystemNameWKV__netbsd_x002d1_x002e1,
    pwg__OperatingSystemNameWKV__netbsd_x002d1_x002e2,
    pwg__OperatingSystemNameWKV__netbsd_x002d1_x002e3,
    pwg__OperatingSystemNameWKV__netware_x002d3,
    pwg__OperatingSystemNameWKV__netware_x002d3_x002e11,
    pwg__OperatingSystemNameWKV__netware_x002d4_x002e0,
    pwg__OperatingSystemNameWKV__netware_x002d4_x002e1,
    pwg__OperatingSystemNameWKV__netware_x002d5_x002e0,
    pwg__OperatingSystemNameWKV__nexus,
    pwg__OperatingSystemNameWKV__nms,
    pwg__OperatingSystemNameWKV__nonstop,
    pwg__OperatingSystemNameWKV__nos_x002d2,
    pwg__OperatingSystemNameWKV__ntos,
    pwg__OperatingSystemNameWKV__openbsd,
    pwg__OperatingSystemNameWKV__openvms,
    pwg__OperatingSystemNameWKV__os_x002fddp,
    pwg__OperatingSystemNameWKV__os_x002f2,
    pwg__OperatingSystemNameWKV__os4,
    pwg__OperatingSystemNameWKV__os86,
    pwg__OperatingSystemNameWKV__osx,
    pwg__OperatingSystemNameWKV__pcdos,
    pwg__OperatingSystemNameWKV__perq_x002fos,
    pwg__OperatingSystemNameWKV__pli,
    pwg__OperatingSystemNameWKV__psdos_x002fmit,
    pwg__OperatingSystemNameWKV__psos,
    pwg__OperatingSystemNameWKV__primos,
    pwg__OperatingSystemNameWKV__risc_x002dos,
    pwg__OperatingSystemNameWKV__risc_x002dos_x002d3_x002e10,
    pwg__OperatingSystemNameWKV__risc_x002dos_x002d3_x002e50,
    pwg__OperatingSystemNameWKV__risc_x002dos_x002d3_x002e60,
    pwg__OperatingSystemNameWKV__risc_x002dos_x002d3_x002e70,
    pwg__OperatingSystemNameWKV__risc_x002dos_x002d4_x002e00,
    pwg__OperatingSystemNameWKV__rmx_x002frdos,
    pwg__OperatingSystemNameWKV__ros,
    pwg__OperatingSystemNameWKV__rsx11m,
    pwg__OperatingSystemNameWKV__rte_x002da,
    pwg__OperatingSystemNameWKV__satops,
    pwg__OperatingSystemNameWKV__sinix,
    pwg__OperatingSystemNameWKV__sco_x002dopen_x002ddesktop_x002d1_x002e0,
    pwg__OperatingSystemNameWKV__sco_x002dopen_x002ddesktop_x002d1_x002e1,
    pwg__OperatingSystemNameWKV__sco_x002dopen_x002ddesktop_x002d2_x002e0,
    pwg__OperatingSystemNameWKV__sco_x002dopen_x002ddesktop_x002d3_x002e0,
    pwg__OperatingSystemNameWKV__sco_x002dopen_x002ddesktop_x002dlite_x002d3_x002e0,
    pwg__OperatingSystemNameWKV__sco_x002dopen_x002dserver_x002d3_x002e0,
    pwg__OperatingSystemNameWKV__sco_x002dunix_x002d3_x002e2_x002e0,
    pwg__OperatingSystemNameWKV__sco_x002dunix_x002d3_x002e2v2_x002e0,
    pwg__OperatingSystemNameWKV__sco_x002dunix_x002d3_x002e2v2_x002e1,
    pwg__OperatingSystemNameWKV__sco_x002dunix_x002d3_x002e2v4_x002e0,
    pwg__OperatingSystemNameWKV__sco_x002dunix_x002d3_x002e2v4_x002e1,
    pwg__OperatingSystemNameWKV__sco_x002dunix_x002d3_x002e2v4_x002e2,
    pwg__OperatingSystemNameWKV__sco_x002dxenix_x002d386_x002d2_x002e3_x002e2,
    pwg__OperatingSystemNameWKV__sco_x002dxenix_x002d386_x002d2_x002e3_x002e3,
    pwg__OperatingSystemNameWKV__sco_x002dxenix_x002d386_x002d2_x002e3_x002e4,
    pwg__OperatingSystemNameWKV__scs,
    pwg__OperatingSystemNameWKV__simp,
    pwg__OperatingSystemNameWKV__sun,
    pwg__OperatingSystemNameWKV__sun_x002dos_x002d3_x002e5,
    pwg__OperatingSystemNameWKV__sun_x002dos_x002d4_x002e0,
    pwg__OperatingSystemNameWKV__swift,
    pwg__OperatingSystemNameWKV__tac,
    pwg__OperatingSystemNameWKV__tandem,
    pwg__OperatingSystemNameWKV__tenex,
    pwg__OperatingSystemNameWKV__the_x002dmajor_x002dbbs,
    pwg__OperatingSystemNameWKV__tops10,
    pwg__OperatingSystemNameWKV__tops20,
    pwg__OperatingSystemNameWKV__tos,
    pwg__OperatingSystemNameWKV__tp3010,
    pwg__OperatingSystemNameWKV__trsdos,
    pwg__OperatingSystemNameWKV__ultrix,
    pwg__OperatingSystemNameWKV__unix,
    pwg__OperatingSystemNameWKV__unix_x002dbsd,
    pwg__OperatingSystemNameWKV__unix_x002dv1at,
    pwg__OperatingSystemNameWKV__unix_x002dv,
    pwg__OperatingSystemNameWKV__unix_x002dv_x002e1,
    pwg__OperatingSystemNameWKV__unix_x002dv_x002e2,
    pwg__OperatingSystemNameWKV__unix_x002dv_x002e3,
    pwg__OperatingSystemNameWKV__unix_x002dpc,
    pwg__OperatingSystemNameWKV__unknown,
    pwg__OperatingSystemNameWKV__ut2d,
    pwg__OperatingSystemNameWKV__v,
    pwg__OperatingSystemNameWKV__vm,
    pwg__OperatingSystemNameWKV__vm_x002f370,
    pwg__OperatingSystemNameWKV__vm_x002fcms,
    pwg__OperatingSystemNameWKV__vm_x002fsp,
    pwg__OperatingSystemNameWKV__vms,
    pwg__OperatingSystemNameWKV__vms_x002feunice,
    pwg__OperatingSystemNameWKV__vrtx,
    pwg__OperatingSystemNameWKV__waits,
    pwg__OperatingSystemNameWKV__wang,
    pwg__OperatingSystemNameWKV__win32,
    pwg__OperatingSystemNameWKV__windows_x002d95,
    pwg__OperatingSystemNameWKV__windows_x002d95_x002dosr1,
    pwg__OperatingSystemNameWKV__windows_x002d95_x002dosr2,
    pwg__OperatingSystemNameWKV__windows_x002d98,
    pwg__OperatingSystemNameWKV__windows_x002dce,
    pwg__OperatingSystemNameWKV__windows_x002dnt,
    pwg__OperatingSystemNameWKV__windows_x002dnt_x002d2,
    pwg__OperatingSystemNameWKV__windows_x002dnt_x002d3,
    pwg__OperatingSystemNameWKV__windows_x002dnt_x002d3_x002e5,
    pwg__OperatingSystemNameWKV__windows_x002dnt_x002d3_x002e51,
    pwg__OperatingSystemNameWKV__windows_x002dnt_x002d4,
    pwg__OperatingSystemNameWKV__windows_x002dnt_x002d5,
    pwg__OperatingSystemNameWKV__worldgroup,
    pwg__OperatingSystemNameWKV__wyse_x002dwyxware,
    pwg__OperatingSystemNameWKV__x11r3,
    pwg__OperatingSystemNameWKV__xde,
    pwg__OperatingSystemNameWKV__xenix
};
extern typedef enum pwg__OperatingSystemNameWKV_ pwg__OperatingSystemNameWKV;

extern enum pwg__OperationsSupportedWKV_ : LONG64 {
    pwg__OperationsSupportedWKV__ActivatePrinter,
    pwg__OperationsSupportedWKV__CancelCurrentJob,
    pwg__OperationsSupportedWKV__CancelDocument,
    pwg__OperationsSupportedWKV__CancelJob,
    pwg__OperationsSupportedWKV__CreateJob,
    pwg__OperationsSupportedWKV__DeactivatePrinter,
    pwg__OperationsSupportedWKV__DeleteDocument,
    pwg__OperationsSupportedWKV__DisablePrinter,
    pwg__OperationsSupportedWKV__EnablePrinter,
    pwg__OperationsSupportedWKV__GetDocumentElements,
    pwg__OperationsSupportedWKV__GetDocuments,
    pwg__OperationsSupportedWKV__GetJobElements,
    pwg__OperationsSupportedWKV__GetJobs,
    pwg__OperationsSupportedWKV__GetPrinterElements,
    pwg__OperationsSupportedWKV__GetPrinterSettableElementValues,
    pwg__OperationsSupportedWKV__HoldJob,
    pwg__OperationsSupportedWKV__HoldNewJobs,
    pwg__OperationsSupportedWKV__PausePrinter,
    pwg__OperationsSupportedWKV__PausePrinterAfterCurrentJob,
    pwg__OperationsSupportedWKV__PrintJob,
    pwg__OperationsSupportedWKV__PrintUri,
    pwg__OperationsSupportedWKV__PromoteJob,
    pwg__OperationsSupportedWKV__PurgeJobs,
    pwg__OperationsSupportedWKV__ReleaseHeldNewJobs,
    pwg__OperationsSupportedWKV__RestartPrinter,
    pwg__OperationsSupportedWKV__ResumePrinter,
    pwg__OperationsSupportedWKV__SendDocument,
    pwg__OperationsSupportedWKV__SendUri,
    pwg__OperationsSupportedWKV__ReleaseJob,
    pwg__OperationsSupportedWKV__ReprocessJob,
    pwg__OperationsSupportedWKV__RestartJob,
    pwg__OperationsSupportedWKV__ResumeJob,
    pwg__OperationsSupportedWKV__ScheduleJobAfter,
    pwg__OperationsSupportedWKV__SetDocumentElements,
    pwg__OperationsSupportedWKV__SetJobElements,
    pwg__OperationsSupportedWKV__SetPrinterElements,
    pwg__OperationsSupportedWKV__ShutdownPrinter,
    pwg__OperationsSupportedWKV__StartupPrinter,
    pwg__OperationsSupportedWKV__SuspendCurrentJob,
    pwg__OperationsSupportedWKV__ValidateDocument,
    pwg__OperationsSupportedWKV__ValidateJob
};
extern typedef enum pwg__OperationsSupportedWKV_ pwg__OperationsSupportedWKV;

extern enum pwg__OrientationRequestedWKV_ : LONG64 {
    pwg__OrientationRequestedWKV__Landscape,
    pwg__OrientationRequestedWKV__Portrait,
    pwg__OrientationRequestedWKV__ReverseLandscape,
    pwg__OrientationRequestedWKV__ReversePortrait
};
extern typedef enum pwg__OrientationRequestedWKV_ pwg__OrientationRequestedWKV;

extern enum pwg__OutputBinWKV_ : LONG64 {
    pwg__OutputBinWKV__Bottom,
    pwg__OutputBinWKV__Center,
    pwg__OutputBinWKV__FaceDown,
    pwg__OutputBinWKV__FaceUp,
    pwg__OutputBinWKV__LargeCapacity,
    pwg__OutputBinWKV__Left,
    pwg__OutputBinWKV__Middle,
    pwg__OutputBinWKV__MyMailbox,
    pwg__OutputBinWKV__Rear,
    pwg__OutputBinWKV__Right,
    pwg__OutputBinWKV__Side,
    pwg__OutputBinWKV__Top
};
extern typedef enum pwg__OutputBinWKV_ pwg__OutputBinWKV;

extern enum pwg__PageDeliveryWKV_ : LONG64 {
    pwg__PageDeliveryWKV__ReverseOrderFaceDown,
    pwg__PageDeliveryWKV__ReverseOrderFaceUp,
    pwg__PageDeliveryWKV__SameOrderFaceDown,
    pwg__PageDeliveryWKV__SameOrderFaceUp,
    pwg__PageDeliveryWKV__SystemSpecified
};
extern typedef enum pwg__PageDeliveryWKV_ pwg__PageDeliveryWKV;

extern enum pwg__PageOrderReceivedWKV_ : LONG64 {
    pwg__PageOrderReceivedWKV__1ToNOrder,
    pwg__PageOrderReceivedWKV__NTo1Order
};
extern typedef enum pwg__PageOrderReceivedWKV_ pwg__PageOrderReceivedWKV;

extern enum pwg__PdlOverrideSupportedWKV_ : LONG64 {
    pwg__PdlOverrideSupportedWKV__Attempted,
    pwg__PdlOverrideSupportedWKV__Guaranteed,
    pwg__PdlOverrideSupportedWKV__NotAttempted
};
extern typedef enum pwg__PdlOverrideSupportedWKV_ pwg__PdlOverrideSupportedWKV;

extern enum pwg__PresentationDirectionNumberUpWKV_ : LONG64 {
    pwg__PresentationDirectionNumberUpWKV__TobottomToleft,
    pwg__PresentationDirectionNumberUpWKV__TobottomToright,
    pwg__PresentationDirectionNumberUpWKV__ToleftTobottom,
    pwg__PresentationDirectionNumberUpWKV__ToleftTotop,
    pwg__PresentationDirectionNumberUpWKV__TorightTobottom,
    pwg__PresentationDirectionNumberUpWKV__TorightTotop,
    pwg__PresentationDirectionNumberUpWKV__TotopToleft,
    pwg__PresentationDirectionNumberUpWKV__TotopToright
};
extern typedef enum pwg__PresentationDirectionNumberUpWKV_ pwg__PresentationDirectionNumberUpWKV;

extern enum pwg__PrintContentOptimizeWKV_ : LONG64 {
    pwg__PrintContentOptimizeWKV__Graphics,
    pwg__PrintContentOptimizeWKV__Photo,
    pwg__PrintContentOptimizeWKV__Text,
    pwg__PrintContentOptimizeWKV__TextAndGraphics
};
extern typedef enum pwg__PrintContentOptimizeWKV_ pwg__PrintContentOptimizeWKV;

extern enum pwg__PrinterStateReasonsWKVs_ : LONG64 {
    pwg__PrinterStateReasonsWKVs__AttentionRequired,
    pwg__PrinterStateReasonsWKVs__ConnectingToDevice,
    pwg__PrinterStateReasonsWKVs__CoverOpen,
    pwg__PrinterStateReasonsWKVs__Deactivated,
    pwg__PrinterStateReasonsWKVs__DeveloperEmpty,
    pwg__PrinterStateReasonsWKVs__DeveloperLow,
    pwg__PrinterStateReasonsWKVs__DoorOpen,
    pwg__PrinterStateReasonsWKVs__FuserOverTemp,
    pwg__PrinterStateReasonsWKVs__FuserUnderTemp,
    pwg__PrinterStateReasonsWKVs__HoldNewJobs,
    pwg__PrinterStateReasonsWKVs__InputTrayMissing,
    pwg__PrinterStateReasonsWKVs__InterpreterResourceUnavailable,
    pwg__PrinterStateReasonsWKVs__InterlockOpen,
    pwg__PrinterStateReasonsWKVs__MarkerSupplyEmpty,
    pwg__PrinterStateReasonsWKVs__MarkerSupplyLow,
    pwg__PrinterStateReasonsWKVs__MarkerWasteAlmostFull,
    pwg__PrinterStateReasonsWKVs__MarkerWasteFull,
    pwg__PrinterStateReasonsWKVs__MediaEmpty,
    pwg__PrinterStateReasonsWKVs__MediaJam,
    pwg__PrinterStateReasonsWKVs__MediaLow,
    pwg__PrinterStateReasonsWKVs__MediaNeeded,
    pwg__PrinterStateReasonsWKVs__MovingToPaused,
    pwg__PrinterStateReasonsWKVs__None,
    pwg__PrinterStateReasonsWKVs__OpcLifeOver,
    pwg__PrinterStateReasonsWKVs__OpcNearEol,
    pwg__PrinterStateReasonsWKVs__Other,
    pwg__PrinterStateReasonsWKVs__OutputAreaAlmostFull,
    pwg__PrinterStateReasonsWKVs__OutputAreaFull,
    pwg__PrinterStateReasonsWKVs__OutputTrayMissing,
    pwg__PrinterStateReasonsWKVs__Paused,
    pwg__PrinterStateReasonsWKVs__Shutdown,
    pwg__PrinterStateReasonsWKVs__SpoolAreaFull,
    pwg__PrinterStateReasonsWKVs__Stopping,
    pwg__PrinterStateReasonsWKVs__StoppedPartly,
    pwg__PrinterStateReasonsWKVs__TimedOut,
    pwg__PrinterStateReasonsWKVs__TonerEmpty,
    pwg__PrinterStateReasonsWKVs__TonerLow,
    pwg__PrinterStateReasonsWKVs__Unknown
};
extern typedef enum pwg__PrinterStateReasonsWKVs_ pwg__PrinterStateReasonsWKVs;

extern enum pwg__PrinterStateWKV_ : LONG64 {
    pwg__PrinterStateWKV__Idle,
    pwg__PrinterStateWKV__Processing,
    pwg__PrinterStateWKV__Stopped
};
extern typedef enum pwg__PrinterStateWKV_ pwg__PrinterStateWKV;

extern enum pwg__PrintQualityWKV_ : LONG64 {
    pwg__PrintQualityWKV__Draft,
    pwg__PrintQualityWKV__High,
    pwg__PrintQualityWKV__Normal
};
extern typedef enum pwg__PrintQualityWKV_ pwg__PrintQualityWKV;

extern enum pwg__ReferenceUriSchemesWKV_ : LONG64 {
    pwg__ReferenceUriSchemesWKV__ftp_x003a_x002f_x002f,
    pwg__ReferenceUriSchemesWKV__http_x003a_x002f_x002f
};
extern typedef enum pwg__ReferenceUriSchemesWKV_ pwg__ReferenceUriSchemesWKV;

extern enum pwg__SaveDispositionWKV_ : LONG64 {
    pwg__SaveDispositionWKV__None,
    pwg__SaveDispositionWKV__PrintSave,
    pwg__SaveDispositionWKV__SaveOnly
};
extern typedef enum pwg__SaveDispositionWKV_ pwg__SaveDispositionWKV;

extern enum pwg__SeparatorSheetsMemberWKV_ : LONG64 {
    pwg__SeparatorSheetsMemberWKV__Media,
    pwg__SeparatorSheetsMemberWKV__MediaCol,
    pwg__SeparatorSheetsMemberWKV__SeparatorSheetsType
};
extern typedef enum pwg__SeparatorSheetsMemberWKV_ pwg__SeparatorSheetsMemberWKV;

extern enum pwg__SeparatorSheetsTypeWKV_ : LONG64 {
    pwg__SeparatorSheetsTypeWKV__BothSheets,
    pwg__SeparatorSheetsTypeWKV__EndSheet,
    pwg__SeparatorSheetsTypeWKV__None,
    pwg__SeparatorSheetsTypeWKV__SlipSheets,
    pwg__SeparatorSheetsTypeWKV__StartSheet
};
extern typedef enum pwg__SeparatorSheetsTypeWKV_ pwg__SeparatorSheetsTypeWKV;

extern enum pwg__SheetCollateWKV_ : LONG64 {
    pwg__SheetCollateWKV__Collated,
    pwg__SheetCollateWKV__Uncollated
};
extern typedef enum pwg__SheetCollateWKV_ pwg__SheetCollateWKV;

extern enum pwg__SidesWKV_ : LONG64 {
    pwg__SidesWKV__OneSided,
    pwg__SidesWKV__TwoSidedLongEdge,
    pwg__SidesWKV__TwoSidedShortEdge
};
extern typedef enum pwg__SidesWKV_ pwg__SidesWKV;

extern enum pwg__StatusStringWKV_ : LONG64 {
    pwg__StatusStringWKV__ClientErrorElementsNotSettable,
    pwg__StatusStringWKV__ClientErrorElementsOrValuesNotSupported,
    pwg__StatusStringWKV__ClientErrorBadRequest,
    pwg__StatusStringWKV__ClientErrorCharsetNotSupported,
    pwg__StatusStringWKV__ClientErrorCompressionError,
    pwg__StatusStringWKV__ClientErrorCompressionNotSupported,
    pwg__StatusStringWKV__ClientErrorConflictingElements,
    pwg__StatusStringWKV__ClientErrorDocumentAccessError,
    pwg__StatusStringWKV__ClientErrorDocumentFormatError,
    pwg__StatusStringWKV__ClientErrorDocumentFormatNotSupported,
    pwg__StatusStringWKV__ClientErrorForbidden,
    pwg__StatusStringWKV__ClientErrorGone,
    pwg__StatusStringWKV__ClientErrorNotAuthenticated,
    pwg__StatusStringWKV__ClientErrorNotAuthorized,
    pwg__StatusStringWKV__ClientErrorNotFound,
    pwg__StatusStringWKV__ClientErrorNotPossible,
    pwg__StatusStringWKV__ClientErrorRequestEntityTooLarge,
    pwg__StatusStringWKV__ClientErrorRequestValueTooLong,
    pwg__StatusStringWKV__ClientErrorTimeout,
    pwg__StatusStringWKV__ClientErrorTooManySubscriptions,
    pwg__StatusStringWKV__ClientErrorUriSchemeNotSupported,
    pwg__StatusStringWKV__ServerErrorBusy,
    pwg__StatusStringWKV__ServerErrorDeviceError,
    pwg__StatusStringWKV__ServerErrorInternalError,
    pwg__StatusStringWKV__ServerErrorJobCanceled,
    pwg__StatusStringWKV__ServerErrorMultipleDocumentJobsNotSupported,
    pwg__StatusStringWKV__ServerErrorNotAcceptingJobs,
    pwg__StatusStringWKV__ServerErrorOperationNotSupported,
    pwg__StatusStringWKV__ServerErrorServiceIsDeactivated,
    pwg__StatusStringWKV__ServerErrorServiceUnavailable,
    pwg__StatusStringWKV__ServerErrorTemporaryError,
    pwg__StatusStringWKV__ServerErrorVersionNotSupported,
    pwg__StatusStringWKV__SuccessfulOk,
    pwg__StatusStringWKV__SuccessfulOkConflictingElements,
    pwg__StatusStringWKV__SuccessfulOkIgnoredOrSubstitutedElements,
    pwg__StatusStringWKV__SuccessfulOkIgnoredSubscriptions
};
extern typedef enum pwg__StatusStringWKV_ pwg__StatusStringWKV;

extern enum pwg__StitchingMemberWKV_ : LONG64 {
    pwg__StitchingMemberWKV__StitchingLocations,
    pwg__StitchingMemberWKV__StitchingOffset,
    pwg__StitchingMemberWKV__StitchingReferenceEdge
};
extern typedef enum pwg__StitchingMemberWKV_ pwg__StitchingMemberWKV;

extern enum pwg__StitchingReferenceEdgeWKV_ : LONG64 {
    pwg__StitchingReferenceEdgeWKV__Bottom,
    pwg__StitchingReferenceEdgeWKV__Left,
    pwg__StitchingReferenceEdgeWKV__Right,
    pwg__StitchingReferenceEdgeWKV__Top
};
extern typedef enum pwg__StitchingReferenceEdgeWKV_ pwg__StitchingReferenceEdgeWKV;

extern enum pwg__UnitsWKV_ : LONG64 {
    pwg__UnitsWKV__Dpcm,
    pwg__UnitsWKV__Dpi
};
extern typedef enum pwg__UnitsWKV_ pwg__UnitsWKV;

extern enum pwg__UriAuthenticationWKV_ : LONG64 {
    pwg__UriAuthenticationWKV__Basic,
    pwg__UriAuthenticationWKV__Certificate,
    pwg__UriAuthenticationWKV__Digest,
    pwg__UriAuthenticationWKV__None,
    pwg__UriAuthenticationWKV__RequestingUserName
};
extern typedef enum pwg__UriAuthenticationWKV_ pwg__UriAuthenticationWKV;

extern enum pwg__UriSecurityWKV_ : LONG64 {
    pwg__UriSecurityWKV__None,
    pwg__UriSecurityWKV__Ssl3,
    pwg__UriSecurityWKV__Tls
};
extern typedef enum pwg__UriSecurityWKV_ pwg__UriSecurityWKV;

extern enum pwg__WhichJobsWKV_ : LONG64 {
    pwg__WhichJobsWKV__Aborted,
    pwg__WhichJobsWKV__All,
    pwg__WhichJobsWKV__Canceled,
    pwg__WhichJobsWKV__Completed,
    pwg__WhichJobsWKV__NotCompleted,
    pwg__WhichJobsWKV__Pending,
    pwg__WhichJobsWKV__PendingHeld,
    pwg__WhichJobsWKV__Processing,
    pwg__WhichJobsWKV__ProcessingStopped
};
extern typedef enum pwg__WhichJobsWKV_ pwg__WhichJobsWKV;

extern enum pwg__XImagePositionWKV_ : LONG64 {
    pwg__XImagePositionWKV__Center,
    pwg__XImagePositionWKV__Left,
    pwg__XImagePositionWKV__None,
    pwg__XImagePositionWKV__Right
};
extern typedef enum pwg__XImagePositionWKV_ pwg__XImagePositionWKV;

extern enum pwg__YImagePositionWKV_ : LONG64 {
    pwg__YImagePositionWKV__Bottom,
    pwg__YImagePositionWKV__Center,
    pwg__YImagePositionWKV__None,
    pwg__YImagePositionWKV__Top
};
extern typedef enum pwg__YImagePositionWKV_ pwg__YImagePositionWKV;

/* String types: text content; patterns and restrictions are not enforced. */

typedef std::string pwg__Compression;
typedef std::string pwg__CoverType;
typedef std::string pwg__DeviceId;
typedef std::string pwg__DocumentCharset;
typedef std::string pwg__DocumentDigitalSignature;
typedef std::string pwg__DocumentFormat;
typedef std::string pwg__DocumentFormatDeviceId;
typedef std::string pwg__DocumentMessage;
typedef std::string pwg__DocumentName;
typedef std::string pwg__DocumentNaturalLanguage;
typedef std::string pwg__DocumentSourceOsName;
typedef std::string pwg__FeedOrientation;
typedef std::string pwg__JobCollationType;
typedef std::string pwg__JobPrinterMakeAndModel;
typedef std::string pwg__JobPrinterUri;
typedef std::string pwg__JobRequestingUserName;
typedef std::string pwg__JobStateMessage;
typedef std::string pwg__JobUri;
typedef std::string pwg__KeywordNsExtensionPattern;
typedef std::string pwg__Media;
typedef std::string pwg__MediaBackCoating;
typedef std::string pwg__MediaBackCoatingDefault;
typedef std::string pwg__MediaColor;
typedef std::string pwg__MediaColorDefault;
typedef std::string pwg__MediaColorExtensionPattern;
typedef std::string pwg__MediaDefault;
typedef std::string pwg__MediaFrontCoating;
typedef std::string pwg__MediaFrontCoatingDefault;
typedef std::string pwg__MediaGrain;
typedef std::string pwg__MediaGrainDefault;
typedef std::string pwg__MediaInfo;
typedef std::string pwg__MediaInfoDefault;
typedef std::string pwg__MediaKey;
typedef std::string pwg__MediaKeyDefault;
typedef std::string pwg__MediaMaterial;
typedef std::string pwg__MediaMaterialDefault;
typedef std::string pwg__MediaNsExtensionPattern;
typedef std::string pwg__MediaOrderCount;
typedef std::string pwg__MediaOrderCountDefault;
typedef std::string pwg__MediaPreprinted;
typedef std::string pwg__MediaPreprintedDefault;
typedef std::string pwg__MediaRecycled;
typedef std::string pwg__MediaRecycledDefault;
typedef std::string pwg__MediaSizeName;
typedef std::string pwg__MediaSizeNameDefault;
typedef std::string pwg__MediaSizeNameExtensionPattern;
typedef std::string pwg__MediaSizeNameWKV;
typedef std::string pwg__MediaTooth;
typedef std::string pwg__MediaToothDefault;
typedef std::string pwg__MediaType;
typedef std::string pwg__MediaTypeDefault;
typedef std::string pwg__MediaTypeExtensionPattern;
typedef std::string pwg__MediaWKV;
typedef std::string pwg__Message;
typedef std::string pwg__MimeExtensionPattern;
typedef std::string pwg__OperatingSystemNameExtensionPattern;
typedef std::string pwg__Operation;
typedef std::string pwg__OutputBinExtensionPattern;
typedef std::string pwg__OutputDevice;
typedef std::string pwg__OutputDeviceAssigned;
typedef std::string pwg__PageOrderReceived;
typedef std::string pwg__PrinterMakeAndModel;
typedef std::string pwg__PrinterUri;
typedef std::string pwg__SaveDisposition;
typedef std::string pwg__StatusMessage;
typedef std::string pwg__StatusString;
typedef std::string pwg__StitchingReferenceEdge;
typedef std::string pwg__StringNsExtensionPattern;
typedef std::string pwg__Version;
typedef std::string pwg__WhichJobs;

/* Numeric, boolean and date aliases. */

typedef int pwg__DocumentNumber;

/* Complex types. */

class pwg__CoverCol;
class pwg__DetailedStatusMessages;
class pwg__DocumentAccessErrors;
class pwg__DocumentDescription;
class pwg__DocumentFormatDetail;
class pwg__DocumentFormatDetails;
class pwg__DocumentOverrides;
class pwg__Finishings;
class pwg__FinishingsCol;
class pwg__JobStateReasons;
class pwg__JobStatus;
class pwg__MediaActual;
class pwg__MediaBackCoatingSupported;
class pwg__MediaCol;
class pwg__MediaColActual;
class pwg__MediaColorSupported;
class pwg__MediaColSupported;
class pwg__MediaFrontCoatingSupported;
class pwg__MediaGrainSupported;
class pwg__MediaHoleCountSupported;
class pwg__MediaKeySupported;
class pwg__MediaMaterialSupported;
class pwg__MediaOrderCountSupported;
class pwg__MediaPreprintedSupported;
class pwg__MediaRecycledSupported;
class pwg__mediaSize;
class pwg__MediaSizeNameSupported;
class pwg__MediaSizeSupported;
class pwg__MediaSupported;
class pwg__MediaToothSupported;
class pwg__MediaTypeSupported;
class pwg__MediaWeightMetricSupported;
class pwg__Overrides;
class pwg__RangeOfInt;
class pwg__RequestedElements;
class pwg__Resolution;
class pwg__Stitching;
class pwg__UnsupportedElements;

class pwg__CoverCol {
  public:
    pwg__CoverType *pwg__CoverType_;
    pwg__Media *pwg__Media_;
    pwg__MediaCol *pwg__MediaCol_;
    struct soap *soap;
};

class pwg__DetailedStatusMessages {
  public:
    std::vector<pwg__Message> pwg__DetailedStatusMessage;
    struct soap *soap;
};

class pwg__DocumentAccessErrors {
  public:
    std::vector<pwg__Message> pwg__DocumentAccessError;
    struct soap *soap;
};

class pwg__DocumentDescription {
  public:
    pwg__DocumentName *pwg__DocumentName_;
    pwg__DocumentNumber *pwg__DocumentNumber_;
    pwg__DocumentFormat *pwg__DocumentFormat_;
    pwg__DocumentCharset *pwg__DocumentCharset_;
    pwg__DocumentNaturalLanguage *pwg__DocumentNaturalLanguage_;
    pwg__DocumentMessage *pwg__DocumentMessage_;
    struct soap *soap;
};

class pwg__DocumentFormatDetail {
  public:
    pwg__DocumentFormat *pwg__DocumentFormat_;
    pwg__DocumentFormatDeviceId *pwg__DocumentFormatDeviceId_;
    pwg__DocumentSourceOsName *pwg__DocumentSourceOsName_;
    struct soap *soap;
};

class pwg__DocumentFormatDetails {
  public:
    std::vector<pwg__DocumentFormatDetail *> pwg__DocumentFormatDetail_;
    struct soap *soap;
};

class pwg__DocumentOverrides {
  public:
    pwg__Overrides *pwg__Overrides_;
    struct soap *soap;
};

class pwg__Finishings {
  public:
    std::vector<pwg__FinishingsWKV> pwg__Finishing;
    struct soap *soap;
};

class pwg__FinishingsCol {
  public:
    pwg__Stitching *pwg__Stitching_;
    struct soap *soap;
};

class pwg__JobStateReasons {
  public:
    std::vector<pwg__JobStateReasonsWKV> pwg__JobStateReason;
    struct soap *soap;
};

class pwg__JobStatus {
  public:
    pwg__JobStateWKV *pwg__JobState;
    pwg__JobStateReasons *pwg__JobStateReasons_;
    pwg__JobStateMessage *pwg__JobStateMessage_;
    pwg__JobUri *pwg__JobUri_;
    struct soap *soap;
};

class pwg__MediaActual {
  public:
    std::vector<pwg__Media> pwg__Media_;
    struct soap *soap;
};

class pwg__MediaBackCoatingSupported {
  public:
    std::vector<pwg__MediaBackCoating> pwg__MediaBackCoating_;
    struct soap *soap;
};

class pwg__MediaCol {
  public:
    pwg__MediaColor *pwg__MediaColor_;
    pwg__MediaFrontCoating *pwg__MediaFrontCoating_;
    pwg__MediaBackCoating *pwg__MediaBackCoating_;
    pwg__MediaGrain *pwg__MediaGrain_;
    pwg__MediaInfo *pwg__MediaInfo_;
    pwg__MediaKey *pwg__MediaKey_;
    pwg__MediaOrderCount *pwg__MediaOrderCount_;
    pwg__MediaPreprinted *pwg__MediaPreprinted_;
    pwg__MediaRecycled *pwg__MediaRecycled_;
    pwg__mediaSize *pwg__MediaSize;
    pwg__MediaSizeName *pwg__MediaSizeName_;
    pwg__MediaTooth *pwg__MediaTooth_;
    pwg__MediaType *pwg__MediaType_;
    struct soap *soap;
};

class pwg__MediaColActual {
  public:
    std::vector<pwg__MediaCol *> pwg__MediaCol_;
    struct soap *soap;
};

class pwg__MediaColorSupported {
  public:
    std::vector<pwg__MediaColor> pwg__MediaColor_;
    struct soap *soap;
};

class pwg__MediaColSupported {
  public:
    std::vector<pwg__MediaColMemberWKV> pwg__MediaColMember;
    struct soap *soap;
};

class pwg__MediaFrontCoatingSupported {
  public:
    std::vector<pwg__MediaFrontCoating> pwg__MediaFrontCoating_;
    struct soap *soap;
};

class pwg__MediaGrainSupported {
  public:
    std::vector<pwg__MediaGrain> pwg__MediaGrain_;
    struct soap *soap;
};

class pwg__MediaHoleCountSupported {
  public:
    std::vector<pwg__RangeOfInt *> pwg__MediaHoleCount;
    struct soap *soap;
};

class pwg__MediaKeySupported {
  public:
    std::vector<pwg__MediaKey> pwg__MediaKey_;
    struct soap *soap;
};

class pwg__MediaMaterialSupported {
  public:
    std::vector<pwg__MediaMaterial> pwg__MediaMaterial_;
    struct soap *soap;
};

class pwg__MediaOrderCountSupported {
  public:
    std::vector<pwg__RangeOfInt *> pwg__MediaOrderCount_;
    struct soap *soap;
};

class pwg__MediaPreprintedSupported {
  public:
    std::vector<pwg__MediaPreprinted> pwg__MediaPreprinted_;
    struct soap *soap;
};

class pwg__MediaRecycledSupported {
  public:
    std::vector<pwg__MediaRecycled> pwg__MediaRecycled_;
    struct soap *soap;
};

class pwg__mediaSize {
  public:
    int pwg__XDimension 1;
    int pwg__YDimension 1;
    struct soap *soap;
};

class pwg__MediaSizeNameSupported {
  public:
    std::vector<pwg__MediaSizeName> pwg__MediaSizeName_;
    struct soap *soap;
};

class pwg__MediaSizeSupported {
  public:
    std::vector<pwg__mediaSize *> pwg__MediaSize;
    struct soap *soap;
};

class pwg__MediaSupported {
  public:
    std::vector<pwg__Media> pwg__Media_;
    struct soap *soap;
};

class pwg__MediaToothSupported {
  public:
    std::vector<pwg__MediaTooth> pwg__MediaTooth_;
    struct soap *soap;
};

class pwg__MediaTypeSupported {
  public:
    std::vector<pwg__MediaType> pwg__MediaType_;
    struct soap *soap;
};

class pwg__MediaWeightMetricSupported {
  public:
    std::vector<pwg__RangeOfInt *> pwg__MediaWeightMetric;
    struct soap *soap;
};

class pwg__Overrides {
  public:
    pwg__DocumentDescription *pwg__DocumentDescription_;
    pwg__MediaCol *pwg__MediaCol_;
    pwg__SidesWKV *pwg__Sides;
    struct soap *soap;
};

class pwg__RangeOfInt {
  public:
    int pwg__LowerBound 1;
    int pwg__UpperBound 1;
    struct soap *soap;
};

class pwg__RequestedElements {
  public:
    std::vector<std::string> pwg__ElementName;
    struct soap *soap;
};

class pwg__Resolution {
  public:
    int pwg__CrossFeedDir 1;
    int pwg__FeedDir 1;
    pwg__UnitsWKV pwg__Units 1;
    struct soap *soap;
};

class pwg__Stitching {
  public:
    std::vector<int> pwg__StitchingLocations;
    int *pwg__StitchingOffset;
    pwg__StitchingReferenceEdge *pwg__StitchingReferenceEdge_;
    struct soap *soap;
};

class pwg__UnsupportedElements {
  public:
    std::vector<std::string> pwg__ElementName;
    struct soap *soap;
};
