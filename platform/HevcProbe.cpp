#include "platform/HevcProbe.h"

#include <chrono>
#include <cstdio>
#include <dlfcn.h>
#include <fcntl.h>
#include <memory>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace vemora {

namespace {

// The few VA-API declarations needed; values from the VA-API headers, which the build does not
// require.
using VADisplay = void*;
using VAStatus = int;
constexpr VAStatus kVaSuccess = 0;
constexpr int kVaProfileHevcMain10 = 18;
constexpr int kVaEntrypointVld = 1;

struct VaApi {
    using GetDisplayDrm = VADisplay (*)(int fd);
    using Initialize = VAStatus (*)(VADisplay, int*, int*);
    using Terminate = VAStatus (*)(VADisplay);
    using MaxNum = int (*)(VADisplay);
    using QueryProfiles = VAStatus (*)(VADisplay, int*, int*);
    using QueryEntrypoints = VAStatus (*)(VADisplay, int, int*, int*);

    void* va = nullptr;
    void* vaDrm = nullptr;
    GetDisplayDrm getDisplayDrm = nullptr;
    Initialize initialize = nullptr;
    Terminate terminate = nullptr;
    MaxNum maxNumProfiles = nullptr;
    MaxNum maxNumEntrypoints = nullptr;
    QueryProfiles queryProfiles = nullptr;
    QueryEntrypoints queryEntrypoints = nullptr;

    VaApi() {
        va = dlopen("libva.so.2", RTLD_NOW | RTLD_LOCAL);
        vaDrm = dlopen("libva-drm.so.2", RTLD_NOW | RTLD_LOCAL);
        if (!va || !vaDrm)
            return;
        getDisplayDrm = reinterpret_cast<GetDisplayDrm>(dlsym(vaDrm, "vaGetDisplayDRM"));
        initialize = reinterpret_cast<Initialize>(dlsym(va, "vaInitialize"));
        terminate = reinterpret_cast<Terminate>(dlsym(va, "vaTerminate"));
        maxNumProfiles = reinterpret_cast<MaxNum>(dlsym(va, "vaMaxNumProfiles"));
        maxNumEntrypoints = reinterpret_cast<MaxNum>(dlsym(va, "vaMaxNumEntrypoints"));
        queryProfiles = reinterpret_cast<QueryProfiles>(dlsym(va, "vaQueryConfigProfiles"));
        queryEntrypoints = reinterpret_cast<QueryEntrypoints>(dlsym(va, "vaQueryConfigEntrypoints"));
    }
    ~VaApi() {
        if (vaDrm)
            dlclose(vaDrm);
        if (va)
            dlclose(va);
    }
    bool Usable() const {
        return getDisplayDrm && initialize && terminate && maxNumProfiles && maxNumEntrypoints &&
               queryProfiles && queryEntrypoints;
    }
};

bool DecodesHevcMain10(const VaApi& api, VADisplay display) {
    int profileCapacity = api.maxNumProfiles(display);
    if (profileCapacity <= 0 || profileCapacity > 1024)
        return false;
    std::vector<int> profiles(static_cast<size_t>(profileCapacity));
    int count = 0;
    if (api.queryProfiles(display, profiles.data(), &count) != kVaSuccess)
        return false;
    for (int i = 0; i < count && i < profileCapacity; ++i) {
        if (profiles[static_cast<size_t>(i)] != kVaProfileHevcMain10)
            continue;
        int entryCapacity = api.maxNumEntrypoints(display);
        if (entryCapacity <= 0 || entryCapacity > 1024)
            return false;
        std::vector<int> entrypoints(static_cast<size_t>(entryCapacity));
        int entries = 0;
        if (api.queryEntrypoints(display, kVaProfileHevcMain10, entrypoints.data(), &entries) != kVaSuccess)
            return false;
        for (int e = 0; e < entries && e < entryCapacity; ++e)
            if (entrypoints[static_cast<size_t>(e)] == kVaEntrypointVld)
                return true;
    }
    return false;
}

bool ProbeRenderNode(const VaApi& api, const std::string& node) {
    int fd = ::open(node.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool found = false;
    if (VADisplay display = api.getDisplayDrm(fd)) {
        int major = 0, minor = 0;
        if (api.initialize(display, &major, &minor) == kVaSuccess) {
            found = DecodesHevcMain10(api, display);
            api.terminate(display);
        }
    }
    ::close(fd);
    return found;
}

bool ProbeOnce(const VaApi& api) {
    for (int minor = 128; minor < 192; ++minor) {
        std::string node = "/dev/dri/renderD" + std::to_string(minor);
        if (::access(node.c_str(), F_OK) != 0)
            continue;
        if (ProbeRenderNode(api, node))
            return true;
    }
    return false;
}

} // namespace

bool ProbeHevcDecoder() {
    VaApi api;
    if (!api.Usable())
        return false;
    bool found = false;
    for (int round = 0; round < 3; ++round) {
        found = ProbeOnce(api) || found;
        if (round < 2)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return found;
}

} // namespace vemora
