#include "LinkRequest.h"

#include <cstdlib>
#include <map>

namespace {

struct OperationRule
{
    LinkRequest::Operation operation;
    size_t fewestArguments;
    size_t mostArguments;
};

// A send takes the planes of a grey picture, or every picture of a group, in one session.
constexpr size_t kMostFilesSent = 4096;

const std::map<std::string, OperationRule> kOperations{
    {"send", {LinkRequest::Operation::Send, 1, kMostFilesSent}},
    {"list", {LinkRequest::Operation::List, 0, 0}},
    {"receive", {LinkRequest::Operation::Receive, 3, 3}},
    {"screen", {LinkRequest::Operation::Screen, 1, 1}},
};

std::optional<int> number(const std::string &text, int low, int high)
{
    char *end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < low || value > high)
        return std::nullopt;
    return int(value);
}

// One --option VALUE pair into the request; false when it is not one of them.
bool takeOption(LinkRequest &request, const std::string &option, const std::string &value)
{
    if (option == "--cable")
        request.cable = value;
    else if (option == "--calc")
        request.calc = value;
    else if (option == "--guess")
        request.guesses.push_back(value);
    else if (option == "--port") {
        const std::optional<int> port = number(value, 1, 4);
        if (!port)
            return false;
        request.port = *port;
    } else if (option == "--timeout") {
        const std::optional<int> seconds = number(value, 1, 600);
        if (!seconds)
            return false;
        request.timeoutSeconds = *seconds;
    } else
        return false;
    return true;
}

} // namespace

std::optional<LinkRequest> parseLinkRequest(const std::vector<std::string> &arguments)
{
    if (arguments.empty())
        return std::nullopt;
    const auto rule = kOperations.find(arguments[0]);
    if (rule == kOperations.end())
        return std::nullopt;
    LinkRequest request;
    request.operation = rule->second.operation;
    for (size_t i = 1; i < arguments.size(); ++i) {
        if (arguments[i].rfind("--", 0) != 0) {
            request.arguments.push_back(arguments[i]);
        } else if (arguments[i] == "--ask") {
            request.ask = true;
        } else if (i + 1 >= arguments.size() || !takeOption(request, arguments[i], arguments[i + 1])) {
            return std::nullopt;
        } else {
            ++i;
        }
    }
    if (request.arguments.size() < rule->second.fewestArguments || request.arguments.size() > rule->second.mostArguments)
        return std::nullopt;
    if (request.operation == LinkRequest::Operation::Screen && request.arguments[0] != "full"
        && request.arguments[0] != "clipped")
        return std::nullopt;
    return request;
}
