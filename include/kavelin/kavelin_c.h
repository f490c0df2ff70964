#ifndef KAVELIN_KAVELIN_C_H
#define KAVELIN_KAVELIN_C_H

/* The device service proxy for hosts that cannot call its C++ interface: C, and any language
   with a C foreign-function interface. C99; every text is UTF-8 and ends with a zero byte.

   A handle drives one proxy exactly as a C++ host drives the object from `maker`: the same
   exchanges, retries, sessions and log lines. Each operation returns a status; on
   KAVELIN_FAILED the handle keeps the operation's failure text, its code and its cause until
   the next call on it. Texts the library returns are the caller's, freed with kavelin_free.
   A handle serves one thread at a time: a call while another thread is inside is refused with
   KAVELIN_BUSY and changes nothing. Separate handles may be used on separate threads. */

#include <stddef.h>
#include <stdint.h>

#include "kavelin/Export.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct kavelin_proxy kavelin_proxy;
/* A session that several handles share: the session-information object, created as a proxy
   creates its own (the class a host registered for "OVCOM.SessionInfoWrapper", else the
   built-in one). */
typedef struct kavelin_session kavelin_session;

typedef enum kavelin_status {
    KAVELIN_OK = 0,
    KAVELIN_FAILED = 1,           /* the operation failed: see kavelin_failure_* */
    KAVELIN_BUSY = 2,             /* another thread is using the handle */
    KAVELIN_INVALID_ARGUMENT = 3, /* a null handle, or a null where a value is required */
    KAVELIN_NO_MEMORY = 4
} kavelin_status;

/* A new proxy; null when memory is exhausted. */
KAVELIN_API kavelin_proxy* kavelin_create(void);
/* Ends the device session unless a shared session was given, and frees the handle. Null is
   ignored. Not while another thread is inside a call on it. */
KAVELIN_API void kavelin_destroy(kavelin_proxy* proxy);

/* A new shared session object; null when it cannot be created. */
KAVELIN_API kavelin_session* kavelin_session_create(void);
/* Drops the caller's reference; handles initialised with it keep theirs. Null is ignored. */
KAVELIN_API void kavelin_session_release(kavelin_session* session);

/* Sets the device's service URL ("http://host:port/path" or "ovdcs:...") and the shared
   session (null: the proxy keeps a session of its own, ended when the handle is destroyed). */
KAVELIN_API kavelin_status kavelin_initialize(kavelin_proxy* proxy, const char* url,
                                              kavelin_session* session);

/* Opens a device session; its ID into *session_id (may be null when not wanted). */
KAVELIN_API kavelin_status kavelin_start_session(kavelin_proxy* proxy, char** session_id);
KAVELIN_API kavelin_status kavelin_end_session(kavelin_proxy* proxy);

/* The device's answer to an XPath expression. `prefix_map` is a PrefixMap document of
   Prefix/URL pairs, or null. */
KAVELIN_API kavelin_status kavelin_get_data(kavelin_proxy* proxy, const char* path,
                                            const char* prefix_map, char** answer);
/* Writes an XDM document; `results_details` asks the device for the details of its results. */
KAVELIN_API kavelin_status kavelin_set_data(kavelin_proxy* proxy, const char* document,
                                            int results_details);
/* The device's settable elements, as it sends them. */
KAVELIN_API kavelin_status kavelin_get_settable(kavelin_proxy* proxy, char** answer);

/* The event names the device supports, in its order: *events is one block, freed with one
   kavelin_free, of *count names followed by a null entry; a device that names none gives a
   block with the null entry alone. `count` may be null. */
KAVELIN_API kavelin_status kavelin_get_supported_events(kavelin_proxy* proxy, char*** events,
                                                        size_t* count);
/* Subscribes to the event a description document names (EventName, and ClientCookie and
   ReliabilityOption when wanted). `filter` is a document of FilterOn Name/Value pairs, or null;
   `fallback_address` is where the device delivers when $OVXORB_SOAP_SERVICE_PORT is not set,
   or null. The subscription's ID into *subscription_id. */
KAVELIN_API kavelin_status kavelin_subscribe(kavelin_proxy* proxy, const char* description,
                                             const char* filter, const char* fallback_address,
                                             char** subscription_id);
KAVELIN_API kavelin_status kavelin_unsubscribe(kavelin_proxy* proxy, const char* subscription_id);

/* Frees what the library returned. Null is ignored. */
KAVELIN_API void kavelin_free(void* text);

/* The last failure on the handle, valid until the next call on it: the operation's fixed text
   ("Get Data Failed!!!"), its code (0x80004005, E_FAIL, for every operation of the proxy) and
   why ("the device refused the connection"); texts with control characters escaped and at
   most about 1 KiB. Empty texts and 0 when the last call succeeded; null handle: empty. */
KAVELIN_API const char* kavelin_failure_text(const kavelin_proxy* proxy);
KAVELIN_API int32_t kavelin_failure_code(const kavelin_proxy* proxy);
KAVELIN_API const char* kavelin_failure_cause(const kavelin_proxy* proxy);

#ifdef __cplusplus
}
#endif

#endif
