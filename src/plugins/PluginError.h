// A plug-in call that failed: a class that is not registered (no such library, a library of
// another interface version, a class the library refuses), a method the plug-in lacks, or a
// failure the plug-in reported. Callers that tolerate failing plug-ins catch exactly this.
#pragma once

#include <stdexcept>

namespace kiova {

class EPluginError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace kiova
