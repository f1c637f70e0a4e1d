// The engine's exceptions. The front end catches EKiovaError where a character is created.
#pragma once

#include <stdexcept>

namespace kiova {

class EKiovaError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A package that cannot become a character; the message says why.
class EKiovaInvalidCharacter : public EKiovaError {
public:
    using EKiovaError::EKiovaError;
};

}  // namespace kiova
