#include "table/command_runner.h"

#include "platform/app_error.h"

#include <new>

void runCommand(App& app, const std::function<void(App&)>& handler)
{
    try {
        handler(app);
    } catch (const AppError& error) {
        app.ui.reportError(error.what());
    } catch (const std::bad_alloc&) {
        app.ui.reportError("Out of memory");
    }
}
