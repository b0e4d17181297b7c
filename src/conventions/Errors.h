#pragma once

#include "ParcovalError.h"

// A text that is not a date or a number, or a date outside the calendar's range.
class ConversionError : public ParcovalError {
public:
    using ParcovalError::ParcovalError;
};
