// The application object: version data, registration and the event query.
#include <framework/application.h>
#include <framework/runtime.h>
#include <framework/testing.h>
#include <framework/url.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class App : public fw::Application {
public:
    std::string_view className() const override { return "App"; }
    bool handlesEvent(std::string_view eventName) const override { return eventName == "Open"; }
};

TEST(Application, VersionDataKeepsEachValueInItsPlace)
{
    App app;
    app._x_SetVersionData(1, 2, 3, 4, 5, "long", "short", "package");
    EXPECT_EQ(app.MajorVersion(), 1);
    EXPECT_EQ(app.MinorVersion(), 2);
    EXPECT_EQ(app.BugVersion(), 3);
    EXPECT_EQ(app.NonReleaseVersion(), 4);
    EXPECT_EQ(app.StageCode(), 5);
    EXPECT_EQ(app.LongVersion(), "long");
    EXPECT_EQ(app.ShortVersion(), "short");
    EXPECT_EQ(app.PackageInfo(), "package");
}

TEST(Application, TheFrameworkHoldsTheRegisteredObject)
{
    auto app = std::make_shared<App>();
    std::weak_ptr<App> watch = app;
    fw::RegisterApplication(app);
    app.reset();
    ASSERT_FALSE(watch.expired());
    EXPECT_EQ(fw::app(), watch.lock().get());
    fw::RegisterApplication(nullptr);
    EXPECT_TRUE(watch.expired());
    EXPECT_EQ(fw::app(), nullptr);
}

struct EventQueryCase {
    const char* name;
    const char* className;
    const char* eventName;
    bool handled;
};

class EventQuery : public ::testing::TestWithParam<EventQueryCase> {};

TEST_P(EventQuery, AnswersForItsOwnClass)
{
    const auto& c = GetParam();
    App app;
    EXPECT_EQ(fw::RuntimeIsEventHandled(app, c.className, c.eventName, true), c.handled);
}

INSTANTIATE_TEST_SUITE_P(Events, EventQuery,
                         ::testing::Values(EventQueryCase{"HandledEvent", "App", "Open", true},
                                           EventQueryCase{"EventTheClassLeavesAlone", "App", "Close", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EventQuery, AnotherClassNameRaises)
{
    App app;
    EXPECT_THROW(fw::RuntimeIsEventHandled(app, "Application", "Open", true), fw::RuntimeException);
    EXPECT_THROW(fw::RuntimeIsEventHandled(app, "Window1", "Open", true), fw::RuntimeException);
}

TEST(ShowURL, PassesTheTextUnchangedToTheHandler)
{
    std::vector<std::string> shown;
    fw::setUrlHandler([&](const std::string& url) { shown.push_back(url); });
    fw::ShowURL("http://example.org");
    fw::ShowURL("mailto:someone@example.org?subject=Time%20and%20Space");
    fw::setUrlHandler({});
    EXPECT_EQ(shown, (std::vector<std::string>{"http://example.org", "mailto:someone@example.org?subject=Time%20and%20Space"}));
}

} // namespace
