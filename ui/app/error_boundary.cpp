#include "app/error_boundary.h"

#include "app/app.h"

namespace dicewright {

void ReportFatalError(std::exception_ptr error) {
    if (auto* app = qobject_cast<Application*>(QCoreApplication::instance())) {
        app->reportFatalError(error);
    } else {
        std::rethrow_exception(error);
    }
}

}  // namespace dicewright
