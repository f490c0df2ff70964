/* A host written in C: every operation of the C interface against a device that answers each
   request after a short delay (so that a call stays inside long enough for a second thread to
   be refused), a Fault with its cause, and a refused connection.
   Usage: c_host URL (exit status 0 when every check passes) */
#ifndef _WIN32
#define _POSIX_C_SOURCE 200809L /* nanosleep */
#endif
#include <pthread.h>
#include <stdio.h>
#include <string.h>

#ifdef _WIN32
#include <windows.h>
#define pause_ms(ms) Sleep(ms)
/* Wine reports a connection to a closed loopback port only when the connect wait ends. */
#define REFUSED_CAUSE "connecting"
#else
#define REFUSED_CAUSE "refused"
#include <time.h>
static void pause_ms(long ms) {
    const struct timespec wait = {0, ms * 1000000L};
    nanosleep(&wait, NULL);
}
#endif

#include "kavelin/kavelin_c.h"

static const char kPrefixes[] =
    "<PrefixMap><Prefix>dd</Prefix><URL>http://schemas.orvanta.example/schemas/imaging/con/"
    "dictionaries/1.0/</URL></PrefixMap>";
static const char kLocation[] =
    "<dd:Printer xmlns:dd='http://schemas.orvanta.example/schemas/imaging/con/dictionaries/1.0/'>"
    "<dd:Identity><dd:Location>Room C99</dd:Location></dd:Identity></dd:Printer>";

static int failures = 0;

static void check(int passed, const char* what, kavelin_proxy* proxy) {
    printf("%s %s\n", passed ? "ok  " : "FAIL", what);
    if (!passed) {
        printf("     %s (0x%08lX): %s\n", kavelin_failure_text(proxy),
               (unsigned long)(uint32_t)kavelin_failure_code(proxy), kavelin_failure_cause(proxy));
        ++failures;
    }
}

/* Checks a call that returned a text into *text, and what `expected` says of it; frees it. */
static void check_text(kavelin_status status, char** text, const char* expected, const char* what,
                       kavelin_proxy* proxy) {
    check(status == KAVELIN_OK && *text != NULL && strstr(*text, expected) != NULL, what, proxy);
    kavelin_free(*text);
    *text = NULL;
}

struct slow_call {
    kavelin_proxy* proxy;
    pthread_mutex_t lock;
    int started;
    kavelin_status status;
};

static int started(struct slow_call* call) {
    pthread_mutex_lock(&call->lock);
    const int value = call->started;
    pthread_mutex_unlock(&call->lock);
    return value;
}

static void* settable_on_thread(void* argument) {
    struct slow_call* call = argument;
    char* answer = NULL;
    pthread_mutex_lock(&call->lock);
    call->started = 1;
    pthread_mutex_unlock(&call->lock);
    call->status = kavelin_get_settable(call->proxy, &answer);
    kavelin_free(answer);
    return NULL;
}

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: c_host URL\n");
        return 2;
    }
    kavelin_proxy* proxy = kavelin_create();
    check(proxy != NULL && kavelin_initialize(proxy, argv[1], NULL) == KAVELIN_OK, "initialize",
          proxy);

    char* text = NULL;
    check_text(kavelin_start_session(proxy, &text), &text, "", "start session", proxy);
    check(kavelin_end_session(proxy) == KAVELIN_OK, "end session", proxy);
    check_text(kavelin_get_data(proxy, "string(//dd:Model)", kPrefixes, &text), &text, "",
               "get data", proxy);
    check(kavelin_set_data(proxy, kLocation, 1) == KAVELIN_OK, "set data", proxy);
    check_text(kavelin_get_data(proxy, "string(//dd:Location)", kPrefixes, &text), &text,
               "Room C99", "get data reads what set data wrote", proxy);
    check_text(kavelin_get_settable(proxy, &text), &text, "Location", "get settable", proxy);

    char** events = NULL;
    size_t count = 0;
    check(kavelin_get_supported_events(proxy, &events, &count) == KAVELIN_OK && count > 0 &&
              events[count] == NULL && strcmp(events[0], "") != 0,
          "supported events, a list ending in null", proxy);
    kavelin_free(events);

    check(kavelin_subscribe(proxy, "<Info><EventName>ConsumableChanged</EventName></Info>", NULL,
                            "http://127.0.0.1:9/EventCallback", &text) == KAVELIN_OK &&
              text != NULL && strncmp(text, "subscription-", 13) == 0,
          "subscribe", proxy);
    check(kavelin_unsubscribe(proxy, text != NULL ? text : "") == KAVELIN_OK, "unsubscribe", proxy);
    kavelin_free(text);

    text = NULL;
    check(kavelin_get_data(proxy, "//dd:[", kPrefixes, &text) == KAVELIN_FAILED && text == NULL &&
              strcmp(kavelin_failure_text(proxy), "Get Data Failed!!!") == 0 &&
              (uint32_t)kavelin_failure_code(proxy) == 0x80004005u &&
              strstr(kavelin_failure_cause(proxy), "Fault: invalid XPath") != NULL,
          "a Fault: text, code and cause", proxy);
    check(kavelin_get_data(NULL, "/", NULL, &text) == KAVELIN_INVALID_ARGUMENT,
          "a null handle is refused", proxy);

    /* Two handles on one shared session. */
    kavelin_session* session = kavelin_session_create();
    kavelin_proxy* second = kavelin_create();
    check(session != NULL && kavelin_initialize(second, argv[1], session) == KAVELIN_OK,
          "initialize with a shared session", second);
    check_text(kavelin_get_settable(second, &text), &text, "Location", "a shared session", second);

    struct slow_call call = {second, PTHREAD_MUTEX_INITIALIZER, 0, KAVELIN_OK};
    pthread_t thread;
    pthread_create(&thread, NULL, settable_on_thread, &call);
    while (!started(&call))
        pause_ms(1);
    pause_ms(50);
    text = NULL;
    check(kavelin_get_settable(second, &text) == KAVELIN_BUSY && text == NULL,
          "a second thread is refused", second);
    pthread_join(thread, NULL);
    check(call.status == KAVELIN_OK, "the first thread's call", second);
    kavelin_destroy(second);
    kavelin_session_release(session);

    kavelin_proxy* nobody = kavelin_create();
    kavelin_initialize(nobody, "http://127.0.0.1:1/BaseService", NULL);
    check(kavelin_get_settable(nobody, &text) == KAVELIN_FAILED &&
              strcmp(kavelin_failure_text(nobody), "StartSession Failed!!!") == 0 &&
              strstr(kavelin_failure_cause(nobody), REFUSED_CAUSE) != NULL,
          "a refused connection", nobody);
    kavelin_destroy(nobody);
    kavelin_destroy(proxy);
    printf("c_host: %d failed\n", failures);
    return failures == 0 ? 0 : 1;
}
