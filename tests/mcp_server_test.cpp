// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>
#include <tuple>
#include <vector>

#include "cli/mcp/mcp_server.h"
#include "cli/modes/mode.h"

namespace zq::cli {
namespace {

using nlohmann::json;

constexpr const char* kModernMeta =
    R"("_meta":{"io.modelcontextprotocol/protocolVersion":"2026-07-28",)"
    R"("io.modelcontextprotocol/clientCapabilities":{}})";

json Ask(McpServer& server, const std::string& line) {
    const std::optional<std::string> answer = server.HandleLine(line);
    EXPECT_TRUE(answer.has_value()) << line;
    return answer ? json::parse(*answer) : json();
}

std::string Call(int id, const std::string& tool, const std::string& arguments) {
    return R"({"jsonrpc":"2.0","id":)" + std::to_string(id) +
           R"(,"method":"tools/call","params":{"name":")" + tool + R"(","arguments":)" + arguments +
           "}}";
}

TEST(McpSession, HandshakeToolsAndResults) {
    McpServer server;
    json answer = Ask(server, R"({"jsonrpc":"2.0","id":1,"method":"initialize","params":)"
                              R"({"protocolVersion":"2025-06-18","capabilities":{},)"
                              R"("clientInfo":{"name":"test","version":"1"}}})");
    EXPECT_EQ(answer["id"], 1);
    EXPECT_EQ(answer["result"]["protocolVersion"], "2025-06-18");
    EXPECT_TRUE(answer["result"]["capabilities"].contains("tools"));
    // A version the server does not know: it offers its newest handshake revision.
    answer = Ask(server, R"({"jsonrpc":"2.0","id":"x","method":"initialize","params":)"
                         R"({"protocolVersion":"2031-01-01","capabilities":{}}})");
    EXPECT_EQ(answer["id"], "x");
    EXPECT_EQ(answer["result"]["protocolVersion"], "2025-11-25");
    EXPECT_FALSE(server.HandleLine(R"({"jsonrpc":"2.0","method":"notifications/initialized"})"));
    EXPECT_EQ(Ask(server, R"({"jsonrpc":"2.0","id":2,"method":"ping"})")["result"], json::object());

    answer = Ask(server, R"({"jsonrpc":"2.0","id":3,"method":"tools/list"})");
    // Every mode of the command is a tool, with the schemas of what it takes and gives.
    const json& tools = answer["result"]["tools"];
    EXPECT_EQ(tools.size(), Modes().size());
    for (const json& tool : tools) {
        EXPECT_EQ(tool["inputSchema"]["type"], "object") << tool["name"];
        EXPECT_EQ(tool["outputSchema"]["type"], "object") << tool["name"];
        EXPECT_TRUE(tool["outputSchema"]["properties"].is_object()) << tool["name"];
    }
    EXPECT_EQ(tools[2]["inputSchema"]["properties"]["reasons"]["items"]["enum"].size(),
              2 * HalvingReasonNames().size());

    answer = Ask(server, Call(4, "court_fee", R"({"type":"1、财产案件","amount":1000000})"));
    EXPECT_EQ(answer["result"]["content"][0]["text"], "13800.00（人民币壹万叁仟捌佰元整）");
    EXPECT_EQ(answer["result"]["structuredContent"]["fee_capitals"], "壹万叁仟捌佰元整");
    EXPECT_FALSE(answer["result"].contains("isError"));

    answer = Ask(server, Call(5, "amount_for_fee", R"({"type":"2、知识产权案件","fee":"1000"})"));
    EXPECT_EQ(answer["result"]["structuredContent"]["amounts"].size(), 2U);
    answer = Ask(server, Call(6, "split_court_fee",
                              R"({"awarded":"5000.5","type":"1、财产案件","amount":"10001"})"));
    EXPECT_EQ(answer["result"]["structuredContent"]["defendant_share"], "25.02");
    answer = Ask(server, Call(7, "explain_court_fee", R"({"type":"1、执行案件"})"));
    EXPECT_NE(answer["result"]["content"][0]["text"].get<std::string>().find("法院收费：50.00"),
              std::string::npos);
    answer = Ask(server,
                 Call(8, "halve_court_fee",
                      R"({"reasons":["调解","简易程序"],"type":"1、财产案件","amount":"10001"})"));
    EXPECT_EQ(answer["result"]["structuredContent"]["halved_fee"], "25.02");
    // The text is the command's own line, with the capitals.
    EXPECT_EQ(
        answer["result"]["content"][0]["text"],
        "25.02（人民币贰拾伍元零贰分）（全额 50.03，依第十五条、第十六条减半交纳）\n"
        "说明：同时符合第十五条、第十六条的，是否累计减半，《办法》未作规定；本程序只减半一次。");
    answer = Ask(server, Call(9, "list_case_types", "{}"));
    EXPECT_EQ(answer["result"]["structuredContent"]["classes"].size(), 2U);
}

TEST(McpSession, RefusalsAreToolErrors) {
    McpServer server;
    // The tool, its arguments, and where said, the start of what the answer says.
    for (const auto& [tool, arguments, says] :
         std::vector<std::tuple<std::string, std::string, std::string>>{
             {"court_fee", R"({"type":"1、财产案件","amount":"abc"})", "标的中请输入数字！"},
             {"court_fee", R"({"type":"刑事附带民事","amount":"1"})", ""},
             {"court_fee", R"({"type":"仲裁","amount":"1"})", ""},
             {"court_fee", R"({"type":"1、离婚案件","figures":{"1、离婚案件":400}})", ""},
             {"refund_court_fee", R"({"ground":"调解","type":"1、执行案件","amount":"1"})", ""},
             {"court_fee", R"({"amount":"1"})", "缺少参数"},
             {"court_fee", R"({"type":["1、财产案件"]})", ""},
             {"court_fee", R"({"type":5,"amount":"1"})", "参数须为字符串 /"},
             {"court_fee", R"({"type":"1、财产案件","amout":"1"})",
              "未知参数 / unknown argument: amout"},
             {"halve_court_fee", R"({"reasons":["调解"],"type":"1、执行案件","amount":"1"})", ""},
             {"halve_court_fee", R"({"reasons":["打折"],"type":"1、财产案件"})", "未知的减半事由"},
             {"halve_court_fee", R"({"reasons":[],"type":"1、财产案件"})", "缺少减半事由"},
             {"amount_for_fee", R"({"type":"1、财产案件","fee":"49"})", ""},
             {"split_court_fee", R"({"awarded":"2","type":"1、财产案件","amount":"1"})", ""},
             {"split_court_fee", R"({"awarded":"1","type":"7、管辖异议不成立","amount":"1"})",
              ""}}) {
        const json answer = Ask(server, Call(1, tool, arguments));
        EXPECT_EQ(answer["result"].value("isError", false), tool != "amount_for_fee") << arguments;
        const std::string text = answer["result"]["content"][0]["text"].get<std::string>();
        EXPECT_FALSE(text.empty());
        EXPECT_TRUE(text.starts_with(says)) << text;
    }
}

// What a lawyer's assistant sends as a person would say it: a name for the type, several claims,
// the court's own figure; the answer says how it read them.
TEST(McpSession, NamesClaimsAndLocalFigures) {
    McpServer server;
    json answer = Ask(server, Call(1, "court_fee",
                                   R"({"type":"离婚","amount":[200000,"100,000"],)"
                                   R"("figures":{"离婚":200}})"));
    EXPECT_EQ(answer["result"]["content"][0]["text"],
              "按“1、离婚案件”计算\n说明：按本地标准计收200元；第十三条第（二）项第1目规定每件"
              "交纳50元至300元。\n700.00（人民币柒佰元整）");
    const json& fee = answer["result"]["structuredContent"];
    EXPECT_EQ(fee["type"], "1、离婚案件");
    EXPECT_EQ(fee["type_given"], "离婚");
    EXPECT_EQ(fee["amount"], "300000");
    EXPECT_EQ(fee["claims"], json::parse(R"(["200000","100,000"])"));
    ASSERT_EQ(fee["notes"].size(), 1U);
    EXPECT_TRUE(fee["notes"][0].get<std::string>().starts_with("按本地标准计收200元"));
    EXPECT_EQ(fee["prepay"]["by"], "原告");
    answer = Ask(server, Call(2, "change_claim_fee",
                              R"({"changed":"2000000","type":"1、财产案件","amount":"1000000"})"));
    EXPECT_EQ(answer["result"]["structuredContent"]["top_up"], "9000.00");
    EXPECT_EQ(answer["result"]["structuredContent"]["refund"], nullptr);
}

TEST(McpSession, ProtocolErrors) {
    McpServer server;
    const auto code = [&](const std::string& line) {
        return Ask(server, line)["error"]["code"].get<int>();
    };
    EXPECT_EQ(code("not json"), -32700);
    EXPECT_EQ(code(R"({"jsonrpc":"2.0","id":1,"method":)"), -32700);
    EXPECT_EQ(code("[1,2]"), -32600);
    EXPECT_EQ(code(R"({"jsonrpc":"1.0","id":1,"method":"ping"})"), -32600);
    EXPECT_EQ(code(R"({"jsonrpc":"2.0","id":{},"method":"ping"})"), -32600);
    EXPECT_EQ(code(R"({"jsonrpc":"2.0","id":1,"method":"resources/list"})"), -32601);
    EXPECT_EQ(code(R"({"jsonrpc":"2.0","id":1,"method":"tools/call","params":[1]})"), -32602);
    EXPECT_EQ(code(R"({"jsonrpc":"2.0","id":1,"method":"tools/call","params":{}})"), -32602);
    EXPECT_EQ(code(Call(1, "no_such_tool", "{}")), -32602);
    EXPECT_EQ(code(Call(1, "court_fee", "[]")), -32602);
    EXPECT_EQ(code(R"({"jsonrpc":"2.0","id":1,"method":"initialize","params":{}})"), -32602);
    // Nesting a hundred thousand deep, which would exhaust the stack if it were copied.
    const std::string deep = std::string(100000, '[') + std::string(100000, ']');
    EXPECT_EQ(code(deep), -32600);
    // A number beyond a double is answered with the request's own id.
    const json huge = Ask(server, Call(9, "court_fee", R"({"type":"1、财产案件","amount":1e400})"));
    EXPECT_EQ(huge["id"], 9);
    EXPECT_EQ(huge["error"]["code"], -32602);
    EXPECT_EQ(code(Call(1, "court_fee", R"({"type":"1、财产案件","amount":)" + deep + "}")),
              -32600);
    // Notifications, responses and blank lines get no answer, known or not.
    EXPECT_FALSE(server.HandleLine(R"({"jsonrpc":"2.0","method":"no/such"})"));
    EXPECT_FALSE(server.HandleLine(R"({"jsonrpc":"2.0","id":5,"result":{}})"));
    EXPECT_FALSE(server.HandleLine("   "));
}

TEST(McpSession, StatelessRevision) {
    McpServer server;
    json answer =
        Ask(server, std::string(R"({"jsonrpc":"2.0","id":1,"method":"server/discover",)") +
                        R"("params":{)" + kModernMeta + "}}");
    EXPECT_EQ(answer["result"]["supportedVersions"], json::array({"2026-07-28"}));
    EXPECT_EQ(answer["result"]["resultType"], "complete");
    answer = Ask(server,
                 std::string(R"({"jsonrpc":"2.0","id":2,"method":"tools/call","params":{)") +
                     kModernMeta + R"(,"name":"court_fee","arguments":{"type":"1、财产案件"}}})");
    EXPECT_EQ(answer["result"]["structuredContent"]["fee"], "50.00");
    EXPECT_EQ(answer["result"]["resultType"], "complete");
    answer = Ask(server, R"({"jsonrpc":"2.0","id":3,"method":"tools/list","params":{"_meta":)"
                         R"({"io.modelcontextprotocol/protocolVersion":"2099-01-01",)"
                         R"("io.modelcontextprotocol/clientCapabilities":{}}}})");
    EXPECT_EQ(answer["error"]["code"], -32022);
    EXPECT_EQ(answer["error"]["data"]["requested"], "2099-01-01");
    answer = Ask(server, R"({"jsonrpc":"2.0","id":4,"method":"tools/list","params":{"_meta":)"
                         R"({"io.modelcontextprotocol/protocolVersion":"2026-07-28"}}})");
    EXPECT_EQ(answer["error"]["code"], -32602);
}

// A started `courtfee --mcp` with a pipe to its standard input and one from its standard output.
struct ServerProcess {
    pid_t pid = -1;
    int toServer = -1;
    int fromServer = -1;
};

ServerProcess StartServer() {
    int in[2];
    int out[2];
    if (pipe(in) != 0 || pipe(out) != 0) {
        return {};
    }
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(in[0], STDIN_FILENO);
        dup2(out[1], STDOUT_FILENO);
        close(in[1]);
        close(out[0]);
        execl(ZQ_COURTFEE_PATH, "courtfee", "--mcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    return {pid, in[1], out[0]};
}

// The server itself, as a client starts it: every request answered, in order, bad lines and all.
// How soon the first answer comes is a figure for the benchmarks, not a pass or fail here.
TEST(McpProcess, AnswersEveryRequestInOrder) {
    const std::string first =
        R"({"jsonrpc":"2.0","id":0,"method":"initialize","params":{"protocolVersion":"2025-11-25",)"
        R"("capabilities":{},"clientInfo":{"name":"t","version":"1"}}})"
        "\n";
    const ServerProcess server = StartServer();
    ASSERT_GT(server.pid, 0);
    ASSERT_EQ(write(server.toServer, first.data(), first.size()),
              static_cast<ssize_t>(first.size()));
    const std::string rest =
        std::string(R"({"jsonrpc":"2.0","method":"notifications/initialized"})") +
        "\n\xff\xfe garbage\n\n[]\n" + R"({"jsonrpc":"2.0","id":1,"method":"nope"})" + "\n" +
        Call(2, "court_fee", R"({"type":"1、财产案件","amount":"1e400"})") + "\n" +
        R"({"jsonrpc":"2.0","id":3,"method":"ping"})";  // no newline
    ASSERT_EQ(write(server.toServer, rest.data(), rest.size()), static_cast<ssize_t>(rest.size()));
    close(server.toServer);
    std::string output;
    char buf[4096];
    for (ssize_t got; (got = read(server.fromServer, buf, sizeof buf)) > 0;) {
        output.append(buf, static_cast<std::size_t>(got));
    }
    close(server.fromServer);
    int status = 0;
    waitpid(server.pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    std::vector<json> answers;
    for (std::size_t at = 0, end; (end = output.find('\n', at)) != std::string::npos;
         at = end + 1) {
        answers.push_back(json::parse(output.substr(at, end - at)));
    }
    ASSERT_EQ(answers.size(), 6U) << output;
    EXPECT_EQ(answers[0]["result"]["protocolVersion"], "2025-11-25");
    EXPECT_EQ(answers[1]["error"]["code"], -32700);
    EXPECT_EQ(answers[2]["error"]["code"], -32600);
    EXPECT_EQ(answers[3]["error"]["code"], -32601);
    EXPECT_EQ(answers[4]["result"]["isError"], true);
    EXPECT_EQ(answers[4]["result"]["content"][0]["text"], "计算错误：溢出");
    EXPECT_EQ(answers[5]["id"], 3);
}

}  // namespace
}  // namespace zq::cli
