// query_interface, add_ref and destroy of every logging component.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "logging/log_service.h"
#include "logging/null_logger.h"
#include "logging/null_sinks.h"
#include "tests/logging/log_capture.h"

namespace {

const char* const kAllIids[] = {
    vex::kIidBase,        vex::kIidLogger,          vex::kIidLoggerAdmin,
    vex::kIidLoggerGroup, vex::kIidRootLoggerGroup, vex::kIidLogSink,
    vex::kIidFileLogSink};

struct Component {
  const char* label;
  IVexInterface* object;
  std::set<std::string> answered;
};

class InterfaceQueryTest : public ::testing::Test {
 protected:
  std::vector<Component> components() {
    CVexLogService* service = vex_log_service();
    return {
        {"logger",
         service->get_logger("x", nullptr),
         {vex::kIidBase, vex::kIidLogger, vex::kIidLoggerAdmin}},
        {"root",
         service->get_logger("All", nullptr),
         {vex::kIidBase, vex::kIidLogger, vex::kIidLoggerAdmin, vex::kIidLoggerGroup,
          vex::kIidRootLoggerGroup}},
        {"null logger",
         static_cast<IVexLogger*>(vex_null_logger()),
         {vex::kIidBase, vex::kIidLogger, vex::kIidLoggerGroup}},
        {"console sink", service->get_sink("stdout", "console"), {vex::kIidBase, vex::kIidLogSink}},
        {"file sink",
         service->get_sink("file", "file"),
         {vex::kIidBase, vex::kIidLogSink, vex::kIidFileLogSink}},
        {"null file sink",
         static_cast<IVexLogSink*>(vex_null_file_sink()),
         {vex::kIidBase, vex::kIidLogSink, vex::kIidFileLogSink}},
        {"null console sink", vex_null_console_sink(), {vex::kIidBase, vex::kIidLogSink}},
    };
  }

  vex::test::ServiceReset reset_;
};

std::string upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

TEST_F(InterfaceQueryTest, EachComponentAnswersItsIdentifiers) {
  for (const Component& component : components()) {
    for (const char* iid : kAllIids) {
      const bool answered = component.answered.count(iid) != 0;
      for (auto query : {&IVexInterface::query_interface, &IVexInterface::query_interface2}) {
        void* view = &view;
        const vex::Result result = (component.object->*query)(iid, &view);
        EXPECT_EQ(result, answered ? vex::kOk : vex::kNoInterface) << component.label << " " << iid;
        EXPECT_EQ(view != nullptr, answered) << component.label << " " << iid;
      }
    }
  }
}

TEST_F(InterfaceQueryTest, ViewsAreTheSameObject) {
  CVexLogService* service = vex_log_service();
  IVexLogger* x = service->get_logger("x", nullptr);
  EXPECT_EQ(vex::query_view<IVexLogger>(x, vex::kIidLogger), x);
  auto* base = vex::query_view<IVexInterface>(x, vex::kIidBase);
  ASSERT_NE(base, nullptr);
  EXPECT_EQ(vex::query_view<IVexLogger>(base, vex::kIidLogger), x);
  // Through the administration view the same logger is reset.
  x->set_levels(vex::kLogAll);
  vex::query_view<IVexLoggerAdmin>(x, vex::kIidLoggerAdmin)->reset();
  EXPECT_EQ(x->levels(), 0U);

  IVexLogSink* file = service->get_sink("file", "f");
  auto* file_view = vex::query_view<IVexFileLogSink>(file, vex::kIidFileLogSink);
  ASSERT_NE(file_view, nullptr);
  EXPECT_EQ(static_cast<IVexLogSink*>(file_view), file);
}

TEST_F(InterfaceQueryTest, IdentifiersAreCaseSensitive) {
  for (const Component& component : components()) {
    for (const std::string& iid : component.answered) {
      void* view = &view;
      EXPECT_EQ(component.object->query_interface(upper(iid).c_str(), &view), vex::kNoInterface)
          << component.label << " " << iid;
      EXPECT_EQ(view, nullptr) << component.label;
    }
  }
}

TEST_F(InterfaceQueryTest, MissingArgumentsAnswerInvalidAndTouchNothing) {
  for (const Component& component : components()) {
    EXPECT_EQ(component.object->query_interface(vex::kIidBase, nullptr), vex::kInvalidArgument)
        << component.label;
    void* view = &view;
    EXPECT_EQ(component.object->query_interface(nullptr, &view), vex::kInvalidArgument)
        << component.label;
    EXPECT_EQ(view, &view) << component.label;
  }
}

TEST_F(InterfaceQueryTest, AddRefIsNotSupported) {
  for (const Component& component : components()) {
    EXPECT_EQ(component.object->add_ref(), vex::kNotSupported) << component.label;
    EXPECT_EQ(component.object->add_ref(), vex::kNotSupported) << component.label;
  }
}

TEST_F(InterfaceQueryTest, ProcessWideComponentsSurviveDestroy) {
  IVexLogger* root = vex_log_service()->get_logger("All", nullptr);
  root->destroy();
  vex_null_logger()->destroy();
  vex_null_file_sink()->destroy();
  vex_null_console_sink()->destroy();
  EXPECT_STREQ(root->name(), "All");
  EXPECT_STREQ(vex_null_logger()->name(), "null_session");
  EXPECT_EQ(vex_null_file_sink()->write("line"), vex::kOk);
  EXPECT_TRUE(vex_null_file_sink()->set_max_size(10));
  EXPECT_EQ(vex_null_file_sink()->set_path("/nowhere"), vex::kOk);
  EXPECT_STREQ(vex_null_file_sink()->kind(), "null_file");
  EXPECT_EQ(vex_null_console_sink()->write("line"), vex::kOk);
  EXPECT_STREQ(vex_null_console_sink()->name(), "null_standard");
}

}  // namespace
