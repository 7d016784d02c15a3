#pragma once

#include <stdexcept>
#include <string>

/**
 * @brief An error that ends the running command; the general error report shows its text and the
 * program goes on. Whatever the command did before the error stays done.
 */
class AppError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/** @brief A text that a number conversion refuses. */
class ConversionError : public AppError {
public:
    using AppError::AppError;
};

/** @brief A file that cannot be read or written. */
class FileError : public AppError {
public:
    using AppError::AppError;
};

/** @brief A division by zero, or a result that overflows or is not a number. */
class MathError : public AppError {
public:
    using AppError::AppError;
};
