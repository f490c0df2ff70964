#include "os/kernel/NamedMutex.h"

#include "os/kernel/LastError.h"

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#if defined(__SANITIZE_THREAD__)
#include <sanitizer/tsan_interface.h>
#endif

namespace kavelin::os {

// Lives in a shared-memory object named after the mutex. The object goes away when its last
// handle closes, as a Windows named mutex does; `users` counts the open handles and
// `unlinked` tells a late opener that it holds a name already removed.
//
// The object belongs to one user and nobody else may open it: whoever can write a
// process-shared mutex can make its holder's unlock write through pointers of their choosing,
// or truncate the object under the mapping and crash every holder. So each user's processes
// share their own object; separate users still write whole lines to one file, since each line
// is one append.
struct NamedMutex::Shared {
    pthread_mutex_t mutex;
    uint32_t users;
    uint32_t unlinked;
};

namespace {

// Shared-memory names are file names: at most 255 bytes and no '/'. Names that fit stay
// readable; others become a prefix and a hash of the whole name.
std::string ObjectName(std::string_view name) {
    constexpr size_t kReadableLimit = 200;
    std::string object = "/kavelin-mutex." + std::to_string(geteuid()) + ".";
    if (name.size() <= kReadableLimit && name.find('/') == std::string_view::npos &&
        !name.empty()) {
        object += name;
        return object;
    }
    uint64_t hash = 14695981039346656037ull;
    for (char c : name)
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    for (char c : name.substr(0, 100))
        object += c == '/' ? '_' : c;
    static constexpr char kDigits[] = "0123456789abcdef";
    object += '.';
    for (int shift = 60; shift >= 0; shift -= 4)
        object += kDigits[(hash >> shift) & 0xF];
    return object;
}

bool InitialiseMutex(pthread_mutex_t* mutex) {
    pthread_mutexattr_t attributes;
    if (pthread_mutexattr_init(&attributes) != 0)
        return false;
    const bool ok = pthread_mutexattr_setpshared(&attributes, PTHREAD_PROCESS_SHARED) == 0 &&
                    pthread_mutexattr_setrobust(&attributes, PTHREAD_MUTEX_ROBUST) == 0 &&
                    pthread_mutexattr_settype(&attributes, PTHREAD_MUTEX_ERRORCHECK) == 0 &&
                    pthread_mutex_init(mutex, &attributes) == 0;
    pthread_mutexattr_destroy(&attributes);
    return ok;
}

// A holder of the bookkeeping lock is a process of the same user; one that keeps it is waited
// for only so long.
constexpr uint32_t kOpenWaitMs = 500;
constexpr uint32_t kCloseWaitMs = 100;

bool LockWithin(int descriptor, uint32_t timeoutMs) {
    for (uint32_t waited = 0;; ++waited) {
        if (flock(descriptor, LOCK_EX | LOCK_NB) == 0)
            return true;
        if ((errno != EWOULDBLOCK && errno != EINTR) || waited >= timeoutMs)
            return false;
        const timespec pause = {0, 1000000L};
        nanosleep(&pause, nullptr);
    }
}

// Refuses anything planted at the name: only a regular file of this user's, unreadable by
// anyone else, with no other name, and either new or of the mutex's size.
bool IsOwnObject(const struct stat& info) {
    return S_ISREG(info.st_mode) && info.st_uid == geteuid() && (info.st_mode & 077) == 0 &&
           info.st_nlink == 1 &&
           (info.st_size == 0 || info.st_size == static_cast<off_t>(sizeof(NamedMutex::Shared)));
}

void Fail(int descriptor, int error) {
    SetLastErrorCode(static_cast<uint32_t>(error));
    close(descriptor);
}

// ThreadSanitizer has no interceptor for pthread_mutex_clocklock, so it is told of the timed
// lock here; otherwise it takes every release for one of a mutex never locked.
#if defined(__SANITIZE_THREAD__)
void BeforeTimedLock(pthread_mutex_t* mutex) {
    __tsan_mutex_pre_lock(mutex, __tsan_mutex_try_lock);
}
void AfterTimedLock(pthread_mutex_t* mutex, bool obtained) {
    __tsan_mutex_post_lock(
        mutex, __tsan_mutex_try_lock | (obtained ? 0u : __tsan_mutex_try_lock_failed), 0);
}
#else
void BeforeTimedLock(pthread_mutex_t*) {}
void AfterTimedLock(pthread_mutex_t*, bool) {}
#endif

void CloseMapping(int descriptor, NamedMutex::Shared* shared) {
    munmap(shared, sizeof(NamedMutex::Shared));
    close(descriptor);
}

} // namespace

std::unique_ptr<NamedMutex> NamedMutex::OpenOrCreate(std::string_view name) {
    const auto objectName = ObjectName(name);
    // An opener can race the last closer removing the name: it then finds `unlinked` set and
    // opens again, which creates a fresh object.
    for (int attempt = 0; attempt < 100; ++attempt) {
        // No symbolic link is followed, and a FIFO planted at the name cannot block the open.
        const int descriptor =
            shm_open(objectName.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                     S_IRUSR | S_IWUSR);
        if (descriptor < 0)
            break;
        // The whole-file lock serialises creation, opening and closing of the shared object.
        if (!LockWithin(descriptor, kOpenWaitMs)) {
            Fail(descriptor, errno == EWOULDBLOCK ? ETIMEDOUT : errno);
            return nullptr;
        }
        struct stat info = {};
        if (fstat(descriptor, &info) != 0) {
            Fail(descriptor, errno);
            return nullptr;
        }
        if (!IsOwnObject(info)) {
            Fail(descriptor, EACCES);
            return nullptr;
        }
        const bool fresh = info.st_size == 0;
        if (fresh && ftruncate(descriptor, sizeof(Shared)) != 0) {
            Fail(descriptor, errno);
            return nullptr;
        }
        void* mapping =
            mmap(nullptr, sizeof(Shared), PROT_READ | PROT_WRITE, MAP_SHARED, descriptor, 0);
        if (mapping == MAP_FAILED) {
            Fail(descriptor, errno);
            return nullptr;
        }
        auto* shared = static_cast<Shared*>(mapping);
        if (fresh && !InitialiseMutex(&shared->mutex)) {
            SetLastErrorCode(static_cast<uint32_t>(EINVAL));
            shm_unlink(objectName.c_str());
            CloseMapping(descriptor, shared);
            return nullptr;
        }
        if (shared->unlinked != 0) {
            CloseMapping(descriptor, shared);
            continue;
        }
        ++shared->users;
        flock(descriptor, LOCK_UN);
        return std::unique_ptr<NamedMutex>(new NamedMutex(descriptor, shared, objectName));
    }
    SetLastErrorCode(static_cast<uint32_t>(errno != 0 ? errno : EAGAIN));
    return nullptr;
}

NamedMutex::NamedMutex(int descriptor, Shared* shared, std::string objectName)
    : mDescriptor(descriptor), mShared(shared), mObjectName(std::move(objectName)),
      mOpenerProcess(getpid()) {}

NamedMutex::~NamedMutex() {
    // Without the bookkeeping lock the count stays as it is: the name then outlives its last
    // handle, which costs a few bytes and nothing else.
    if (mOpenerProcess == getpid() && LockWithin(mDescriptor, kCloseWaitMs)) {
        if (--mShared->users == 0) {
            mShared->unlinked = 1;
            shm_unlink(mObjectName.c_str());
        }
    }
    CloseMapping(mDescriptor, mShared);
}

MutexWait NamedMutex::Wait(uint32_t timeoutMs) {
    timespec deadline = {};
    clock_gettime(CLOCK_MONOTONIC, &deadline);
    deadline.tv_sec += static_cast<time_t>(timeoutMs / 1000);
    deadline.tv_nsec += static_cast<long>(timeoutMs % 1000) * 1000000L;
    if (deadline.tv_nsec >= 1000000000L) {
        deadline.tv_sec += 1;
        deadline.tv_nsec -= 1000000000L;
    }
    BeforeTimedLock(&mShared->mutex);
    const int result = pthread_mutex_clocklock(&mShared->mutex, CLOCK_MONOTONIC, &deadline);
    AfterTimedLock(&mShared->mutex, result == 0 || result == EOWNERDEAD);
    switch (result) {
    case 0:
        return MutexWait::Obtained;
    case EOWNERDEAD:
        pthread_mutex_consistent(&mShared->mutex);
        return MutexWait::Abandoned;
    case ETIMEDOUT:
        return MutexWait::TimedOut;
    default:
        SetLastErrorCode(static_cast<uint32_t>(result));
        return MutexWait::Failed;
    }
}

void NamedMutex::Release() {
    pthread_mutex_unlock(&mShared->mutex);
}

} // namespace kavelin::os
