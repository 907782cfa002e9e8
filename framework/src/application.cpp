// The application object: its version data, its registration and its event query.
#include <framework/application.h>
#include <framework/runtime.h>

namespace fw {

namespace {

std::shared_ptr<Application>& registered()
{
    static std::shared_ptr<Application> application;
    return application;
}

} // namespace

void Application::_x_SetVersionData(std::int64_t majorVersion, std::int64_t minorVersion, std::int64_t bugVersion,
                                    std::int64_t nonReleaseVersion, std::int64_t stageCode, std::string longVersion,
                                    std::string shortVersion, std::string packageInfo)
{
    major_ = majorVersion;
    minor_ = minorVersion;
    bug_ = bugVersion;
    nonRelease_ = nonReleaseVersion;
    stage_ = stageCode;
    longVersion_ = std::move(longVersion);
    shortVersion_ = std::move(shortVersion);
    packageInfo_ = std::move(packageInfo);
}

void RegisterApplication(std::shared_ptr<Application> application)
{
    registered() = std::move(application);
}

Application* app()
{
    return registered().get();
}

bool RuntimeIsEventHandled(const Application& object, std::string_view className, std::string_view eventName, bool)
{
    if (object.className() != className)
        throw RuntimeException("the application object is of class \"" + std::string(object.className())
                               + "\", not \"" + std::string(className) + "\"");
    return object.handlesEvent(eventName);
}

} // namespace fw
