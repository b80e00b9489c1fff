#include "executor.h"

#include "app/windowfactory.h"

namespace korvalde::walk {

Application &Executor::restart()
{
    app_.reset();
    app_ = startKorvalde(platform_);
    app_->addObserver(&told_);
    told_.restart(*app_);
    return *app_;
}

} // namespace korvalde::walk
