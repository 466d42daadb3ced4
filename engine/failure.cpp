#include "failure.h"

#include <new>
#include <stdexcept>

#include "dice.h"

namespace dicewright {

Failure FailureOf(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const OverflowError&) {
        return Failure::Overflow;
    } catch (const FloatingPointError& error) {
        switch (error.kind()) {
            case FloatingPointError::Kind::DivisionByZero:
                return Failure::DivisionByZero;
            case FloatingPointError::Kind::Overflow:
                return Failure::FloatingPointOverflow;
            case FloatingPointError::Kind::InvalidOperation:
                return Failure::InvalidOperation;
        }
        return Failure::Unknown;
    } catch (const std::bad_alloc&) {
        return Failure::OutOfMemory;
    } catch (const std::out_of_range&) {
        return Failure::OutOfRange;
    } catch (...) {
        return Failure::Unknown;
    }
}

}  // namespace dicewright
