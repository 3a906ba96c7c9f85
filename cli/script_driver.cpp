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

struct UsageError {
    std::string what;
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
        throw UsageError{std::string("missing \"") + key + "\""};
    if (!it->is_string())
        throw UsageError{std::string("\"") + key + "\" must be a string"};
    return it->get_ref<const std::string&>();
}

void ExpectKeys(const Json& event, std::initializer_list<const char*> keys) {
    for (const auto& [key, value] : event.items()) {
        bool known = false;
        for (const char* k : keys)
            known = known || key == k;
        if (!known)
            throw UsageError{"unexpected member " + Quoted(key)};
    }
}

class ScriptRunner {
public:
    explicit ScriptRunner(std::ostream& out) : out_(out) {}

    void run(const Json& event) {
        if (!event.is_object())
            throw UsageError{"an event must be a JSON object"};
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
        throw UsageError{"unknown event"};
    }

private:
    void set(const Json& event) {
        ExpectKeys(event, {"set", "text"});
        const std::string& name = StringMember(event, "set");
        const auto field = FieldFromName(name);
        if (!field)
            throw UsageError{"unknown field " + Quoted(name)};
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
            throw UsageError{"unknown control " + Quoted(name)};
    }

    void choose(const Json& event) {
        ExpectKeys(event, {"choose"});
        const std::string& name = StringMember(event, "choose");
        if (name == "Option1")
            return; // the hidden map button stands for no currency
        const auto choice = ChoiceForControl(name);
        if (!choice)
            throw UsageError{"unknown control " + Quoted(name)};
        Choose(window_.fields(), *choice);
    }

    void unload(const Json& event) {
        ExpectKeys(event, {"unload"});
        const std::string& name = StringMember(event, "unload");
        if (name != "Form2")
            throw UsageError{"unknown window " + Quoted(name)};
        window_.unload();
    }

    void dump(const Json& event) {
        ExpectKeys(event, {"dump"});
        if (event.at("dump") != true)
            throw UsageError{"\"dump\" must be true"};
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

int RunScript(std::istream& in, std::ostream& out, std::ostream& err) {
    ScriptRunner runner(out);
    std::string line;
    for (long lineNumber = 1; std::getline(in, line); ++lineNumber) {
        if (IsBlankLine(line))
            continue;
        try {
            runner.run(Json::parse(line));
        } catch (const Json::exception&) {
            // A parse error, or a number beyond the range of numbers (1e999): not valid input.
            err << "zorimex-cli script: line " << lineNumber << ": not valid JSON\n";
            out.flush();
            return kExitUsage;
        } catch (const UsageError& e) {
            err << "zorimex-cli script: line " << lineNumber << ": " << e.what << '\n';
            out.flush();
            return kExitUsage;
        }
        if (!out)
            break;
    }
    if (!out.flush()) {
        err << "zorimex-cli script: could not write the output\n";
        return kExitFailure;
    }
    return kExitOk;
}

} // namespace zorimex::cli
