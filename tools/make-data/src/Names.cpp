#include "Common.h"

#include <set>
#include <stdexcept>

namespace makedata {

namespace {

// Common family names, the most frequent ones listed more than once so that they come up
// about as often as in a real company.
const char* const kSurnames[] = {
    "王", "王", "王", "李", "李", "李", "张", "张", "张", "刘", "刘", "陈", "陈", "杨", "杨",
    "黄", "赵", "吴", "周", "徐", "孙", "马", "朱", "胡", "郭", "何", "高", "林", "罗", "郑",
    "梁", "谢", "宋", "唐", "许", "韩", "冯", "邓", "曹", "彭", "曾", "肖", "田", "董", "袁",
    "潘", "于", "蒋", "蔡", "余", "杜", "叶", "程", "苏", "魏", "吕", "丁", "任", "沈", "姚",
    "卢", "姜", "崔", "钟", "谭", "陆", "汪", "范", "金", "石", "廖", "贾", "夏", "韦", "方",
    "白", "邹", "孟", "熊", "秦", "邱", "江", "尹", "薛", "段", "雷", "侯", "龙", "史", "陶",
    "黎", "贺", "顾", "毛", "郝", "龚", "邵", "万", "钱", "严", "武", "戴", "孔", "汤", "欧阳",
};

// Given names of two characters.
const char* const kGiven2[] = {
    "建国", "建华", "国强", "志强", "志明", "志刚", "海涛", "海波", "晓东", "晓峰", "文博", "文杰",
    "俊杰", "浩然", "子轩", "宇航", "明辉", "伟强", "永强", "立新", "振华", "春生", "鹏飞", "家豪",
    "嘉伟", "思远", "博文", "一鸣", "玉龙", "庆丰", "志远", "宏伟", "小龙", "国栋", "建军", "利民",
    "秀英", "桂英", "玉兰", "美玲", "丽娟", "晓燕", "海燕", "雪梅", "婷婷", "静怡", "欣怡", "梦洁",
    "诗涵", "雨涵", "思琪", "佳慧", "晓丽", "春梅", "丽华", "淑芬", "慧敏", "凤霞", "金凤", "彩霞",
    "艳红", "文静", "晓雪", "雅琴", "紫涵", "梓萱", "可欣", "冰洁", "秋月", "小红", "晓琳", "月华",
    "红梅", "亚楠", "丹丹", "新宇", "天明", "少华", "德明", "学军", "建平", "晓明", "小军", "卫东",
};

// Given names of one character.
const char* const kGiven1[] = {
    "伟", "芳", "娜", "敏", "静", "丽", "强", "磊", "军", "洋", "勇", "艳", "杰", "娟", "涛", "明",
    "超", "霞", "平", "刚", "辉", "鑫", "波", "斌", "宇", "浩", "凯", "健", "琳", "颖", "婷", "倩",
    "鹏", "华", "飞", "蕾", "晶", "峰", "亮", "昊", "睿", "欣", "阳", "帆", "莉", "蓉",
};

// Departments with their weights (people per hundred).
const std::pair<const char*, int> kDepartments[] = {
    {"生产部", 24}, {"销售部", 18}, {"研发部", 16}, {"市场部", 11},
    {"客服部", 10}, {"行政部", 8},  {"财务部", 7},  {"人事部", 6},
};

template <typename T, size_t N>
constexpr int count(const T (&)[N]) { return int(N); }

std::string padToBytes(const std::string& utf8, size_t bytes)
{
    std::string out = utf8;
    size_t have = toGbk(utf8).size();
    while (have < bytes) {
        out += ' ';
        ++have;
    }
    return out;
}

}  // namespace

std::vector<std::string> participantLines()
{
    Rng rng(20240125u);
    std::set<std::string> names;
    std::vector<std::string> lines;
    int employee = 1001;
    while (lines.size() < 200) {
        std::string surname = kSurnames[rng.below(count(kSurnames))];
        bool single = rng.below(100) < 30;
        std::string given = single ? kGiven1[rng.below(count(kGiven1))] : kGiven2[rng.below(count(kGiven2))];
        std::string name = surname + given;
        if (toGbk(name).size() > 6)  // a compound surname takes a one-character given name
            name = surname + kGiven1[rng.below(count(kGiven1))];
        if (!names.insert(name).second)
            continue;
        int pick = rng.below(100);
        const char* dept = kDepartments[0].first;
        for (const auto& [d, weight] : kDepartments) {
            if (pick < weight) {
                dept = d;
                break;
            }
            pick -= weight;
        }
        lines.push_back(std::to_string(employee++) + " " + padToBytes(name, 6) + " " + dept);
    }
    return lines;
}

std::string longestParticipant()
{
    std::string best;
    size_t bestBytes = 0;
    for (const auto& line : participantLines()) {
        size_t n = toGbk(line).size();
        if (n > bestBytes) {
            best = line;
            bestBytes = n;
        }
    }
    return best;
}

}  // namespace makedata
