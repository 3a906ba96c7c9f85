#include "script_driver.h"

#include "zorimex/actions.h"
#include "zorimex/catalogue.h"
#include "zorimex/fields.h"

#include <nlohmann/json.hpp>

#include <functional>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

namespace zorimex::cli {

namespace {

using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;

// What is wrong with a line, said in the user's language once it reaches RunScript.
struct UsageError {
    MessageId what;
    std::string argument;
};

// The headless main window: its fields exist from the first event that refers to it until an
// "unload", after which the next reference finds a fresh, empty one.
class HeadlessMainWindow {
public:
    Fields& fields() {
        if (!fields_)
            fields_.emplace();
        return *fields_;
    }
    void unload() { fields_.reset(); }

private:
    std::optional<Fields> fields_;
};

std::string Dump(const OrderedJson& j) {
    return j.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// A name from the input as it appears in a diagnostic: JSON-quoted, so that a line end or a
// control character in it cannot break the one-line message.
std::string Quoted(const std::string& name) {
    return Dump(OrderedJson(name));
}

const std::string& StringMember(const Json& event, const char* key) {
    const auto it = event.find(key);
    if (it == event.end())
        throw UsageError{MessageId::MissingMember, key};
    if (!it->is_string())
        throw UsageError{MessageId::NotAString, key};
    return it->get_ref<const std::string&>();
}

void ExpectKeys(const Json& event, std::initializer_list<const char*> keys) {
    for (const auto& [key, value] : event.items()) {
        bool known = false;
        for (const char* k : keys)
            known = known || key == k;
        if (!known)
            throw UsageError{MessageId::UnexpectedMember, Quoted(key)};
    }
}

class ScriptRunner {
public:
    explicit ScriptRunner(std::ostream& out) : out_(out) {}

    void run(const Json& event) {
        if (!event.is_object())
            throw UsageError{MessageId::NotAnObject, {}};
        if (event.contains("set"))
            return set(event);
        if (event.contains("click"))
            return click(event);
        if (event.contains("choose"))
            return choose(event);
        if (event.contains("unload"))
            return unload(event);
        if (event.contains("dump"))
            return dump(event);
        throw UsageError{MessageId::UnknownEvent, {}};
    }

private:
    void set(const Json& event) {
        ExpectKeys(event, {"set", "text"});
        const std::string& name = StringMember(event, "set");
        const auto field = FieldFromName(name);
        if (!field)
            throw UsageError{MessageId::UnknownField, Quoted(name)};
        const std::string& text = StringMember(event, "text");
        window_.fields()[*field] = text;
    }

    void click(const Json& event) {
        ExpectKeys(event, {"click"});
        const std::string& name = StringMember(event, "click");
        if (const auto action = ActionForControl(name))
            (*action)(window_.fields());
        else if (name == kExactAmountControl)
            showMessage(ExactAmountMessage(window_.fields()));
        else
            throw UsageError{MessageId::UnknownControl, Quoted(name)};
    }

    void choose(const Json& event) {
        ExpectKeys(event, {"choose"});
        const std::string& name = StringMember(event, "choose");
        if (name == "Option1")
            return; // the hidden map button stands for no currency
        const auto choice = ChoiceForControl(name);
        if (!choice)
            throw UsageError{MessageId::UnknownControl, Quoted(name)};
        Choose(window_.fields(), *choice);
    }

    void unload(const Json& event) {
        ExpectKeys(event, {"unload"});
        const std::string& name = StringMember(event, "unload");
        if (name != "Form2")
            throw UsageError{MessageId::UnknownWindow, Quoted(name)};
        window_.unload();
    }

    void dump(const Json& event) {
        ExpectKeys(event, {"dump"});
        if (event.at("dump") != true)
            throw UsageError{MessageId::DumpNotTrue, {}};
        out_ << FieldsJson(window_.fields()) << '\n';
    }

    void showMessage(const Message& message) {
        OrderedJson result = OrderedJson::object();
        result["message"] = message.text;
        result["title"] = message.title;
        out_ << Dump(result) << '\n';
    }

    std::ostream& out_;
    HeadlessMainWindow window_;
};

bool IsBlankLine(const std::string& line) {
    return line.find_first_not_of(" \t\r") == std::string::npos;
}

} // namespace

std::string FieldsJson(const Fields& fields) {
    OrderedJson result = OrderedJson::object();
    for (const Field field : kAllFields)
        result[FieldName(field)] = fields[field];
    return Dump(result);
}

int RunScript(std::istream& in, Language language, std::ostream& out, std::ostream& err) {
    ScriptRunner runner(out);
    std::string line;
    for (long lineNumber = 1; std::getline(in, line); ++lineNumber) {
        if (IsBlankLine(line))
            continue;
        std::optional<UsageError> error;
        try {
            runner.run(Json::parse(line));
        } catch (const Json::exception&) {
            // A parse error, or a number beyond the range of numbers (1e999): not valid input.
            error = UsageError{MessageId::NotValidJson, {}};
        } catch (const UsageError& e) {
            error = e;
        }
        if (error) {
            err << "zorimex-cli script: "
                << Text(
                       language, MessageId::ScriptLine,
                       {std::to_string(lineNumber), Text(language, error->what, {error->argument})})
                << '\n';
            out.flush();
            return kExitUsage;
        }
        if (!out)
            break;
    }
    if (!out.flush()) {
        err << "zorimex-cli script: " << Text(language, MessageId::CouldNotWriteOutput) << '\n';
        return kExitFailure;
    }
    return kExitOk;
}

} // namespace zorimex::cli
