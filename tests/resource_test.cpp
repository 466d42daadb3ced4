// The Windows resource compiled by the MinGW resource compiler, and the pictures it and the
// windows are made from.
#include <gtest/gtest.h>

#include <map>

#include "binary_reader.h"

namespace dicewright::testing {
namespace {

constexpr std::uint16_t kIcon = 3;
constexpr std::uint16_t kGroupIcon = 14;
constexpr std::uint16_t kVersion = 16;

struct Resource {
    std::uint16_t type;
    std::uint16_t id;
    std::uint16_t language;
    Bytes data;
};

std::uint16_t Ordinal(Reader& reader) {
    if (reader.u16() != 0xFFFF) throw std::runtime_error("named resources are not expected here");
    return reader.u16();
}

std::vector<Resource> ReadResources(const Bytes& file) {
    std::vector<Resource> resources;
    Reader reader(file);
    while (!reader.atEnd()) {
        const std::size_t start = reader.position();
        const std::uint32_t dataSize = reader.u32();
        const std::uint32_t headerSize = reader.u32();
        const std::uint16_t type = Ordinal(reader);
        const std::uint16_t id = Ordinal(reader);
        reader.alignTo4();
        reader.u32();  // data version
        reader.u16();  // memory flags
        const std::uint16_t language = reader.u16();
        const std::size_t dataStart = start + headerSize;
        if (dataSize > 0) {
            resources.push_back({type, id, language,
                                 Bytes(file.begin() + static_cast<long>(dataStart),
                                       file.begin() + static_cast<long>(dataStart + dataSize))});
        }
        reader.seek(dataStart + dataSize);
        reader.alignTo4();
    }
    return resources;
}

// One node of a version block: its key, its value and its children.
struct VersionNode {
    std::string key;
    Bytes value;
    std::string text;
    std::vector<VersionNode> children;
};

VersionNode ReadVersionNode(const Bytes& data, std::size_t start) {
    Reader reader(data, start);
    const std::uint16_t length = reader.u16();
    const std::uint16_t valueLength = reader.u16();
    const std::uint16_t type = reader.u16();
    VersionNode node{reader.wideString(), {}, {}, {}};
    reader.alignTo4();
    if (type == 1) {
        Reader text(data, reader.position(), reader.position() + 2 * valueLength);
        if (valueLength > 0) node.text = text.wideString();
        reader.skip(2 * valueLength);
    } else {
        node.value.assign(data.begin() + static_cast<long>(reader.position()),
                          data.begin() + static_cast<long>(reader.position() + valueLength));
        reader.skip(valueLength);
    }
    reader.alignTo4();
    while (reader.position() < start + length) {
        const std::size_t childStart = reader.position();
        node.children.push_back(ReadVersionNode(data, childStart));
        reader.seek(childStart + Reader(data, childStart).u16());
        reader.alignTo4();
    }
    return node;
}

const Resource& Find(const std::vector<Resource>& resources, std::uint16_t type) {
    for (const Resource& resource : resources) {
        if (resource.type == type) return resource;
    }
    throw std::runtime_error("resource type " + std::to_string(type) + " missing");
}

class CompiledResource : public ::testing::Test {
protected:
    std::vector<Resource> resources = ReadResources(ReadFile(DICEWRIGHT_RES_FILE));
};

TEST_F(CompiledResource, FixedVersionPart) {
    const VersionNode root = ReadVersionNode(Find(resources, kVersion).data, 0);
    EXPECT_EQ(root.key, "VS_VERSION_INFO");
    ASSERT_EQ(root.value.size(), 52u);
    Reader fixed(root.value);
    EXPECT_EQ(fixed.u32(), 0xFEEF04BDu);
    fixed.u32();  // structure version
    EXPECT_EQ(fixed.u32(), 0x00010000u) << "file version 1.0";
    EXPECT_EQ(fixed.u32(), 0u) << "file version .0.0";
    EXPECT_EQ(fixed.u32(), 0x00010000u) << "product version 1.0";
    EXPECT_EQ(fixed.u32(), 0u) << "product version .0.0";
    fixed.u32();  // flags mask
    EXPECT_EQ(fixed.u32(), 0u) << "no file flags";
    EXPECT_EQ(fixed.u32(), 0x4u) << "32-bit Windows";
    EXPECT_EQ(fixed.u32(), 0x1u) << "an application";
}

TEST_F(CompiledResource, StringTableAndTranslation) {
    const VersionNode root = ReadVersionNode(Find(resources, kVersion).data, 0);
    ASSERT_EQ(root.children.size(), 2u);
    const VersionNode& strings = root.children[0];
    EXPECT_EQ(strings.key, "StringFileInfo");
    ASSERT_EQ(strings.children.size(), 1u);
    EXPECT_EQ(strings.children[0].key, "040904B0");
    std::vector<std::pair<std::string, std::string>> entries;
    for (const VersionNode& entry : strings.children[0].children)
        entries.emplace_back(entry.key, entry.text);
    const std::vector<std::pair<std::string, std::string>> expected{
        {"CompanyName", "Dicewright Workshop"},
        {"ProductName", "Dicewright"},
        {"FileVersion", "1.00"},
        {"ProductVersion", "1.00"},
        {"InternalName", "Dicewright"},
        {"OriginalFilename", "Dicewright.exe"}};
    EXPECT_EQ(entries, expected);

    const VersionNode& variables = root.children[1];
    EXPECT_EQ(variables.key, "VarFileInfo");
    ASSERT_EQ(variables.children.size(), 1u);
    EXPECT_EQ(variables.children[0].key, "Translation");
    Reader translation(variables.children[0].value);
    EXPECT_EQ(translation.u16(), 0x0409);
    EXPECT_EQ(translation.u16(), 0x04B0);
    EXPECT_TRUE(translation.atEnd());
}

struct IconImage {
    int width, height, colours, bitsPerPixel;
    friend bool operator==(const IconImage&, const IconImage&) = default;
};
const std::vector<IconImage> kIconImages{{32, 32, 2, 1}, {32, 32, 16, 4}, {16, 16, 16, 4}};

TEST_F(CompiledResource, IconGroupHoldsTheThreeImages) {
    Reader group(Find(resources, kGroupIcon).data);
    group.u16();
    EXPECT_EQ(group.u16(), 1);
    const std::uint16_t count = group.u16();
    std::vector<IconImage> images;
    for (std::uint16_t i = 0; i < count; ++i) {
        IconImage image{group.u8(), group.u8(), group.u8(), 0};
        group.u8();
        group.u16();
        image.bitsPerPixel = group.u16();
        group.u32();
        const std::uint16_t id = group.u16();
        images.push_back(image);
        // The image itself is stored as its own icon resource, a bitmap of that depth.
        bool found = false;
        for (const Resource& resource : resources) {
            if (resource.type != kIcon || resource.id != id) continue;
            Reader bitmap(resource.data);
            EXPECT_EQ(bitmap.u32(), 40u);
            EXPECT_EQ(static_cast<int>(bitmap.u32()), image.width);
            EXPECT_EQ(static_cast<int>(bitmap.u32()), 2 * image.height);
            bitmap.u16();
            EXPECT_EQ(bitmap.u16(), image.bitsPerPixel);
            found = true;
        }
        EXPECT_TRUE(found) << "icon image " << id;
    }
    EXPECT_EQ(images, kIconImages);
}

TEST(Assets, IconFileHoldsTheThreeImages) {
    const Bytes file = ReadFile(DICEWRIGHT_ASSETS_DIR "/dicewright.ico");
    Reader reader(file);
    reader.u16();
    EXPECT_EQ(reader.u16(), 1);
    const std::uint16_t count = reader.u16();
    std::vector<IconImage> images;
    for (std::uint16_t i = 0; i < count; ++i) {
        IconImage image{reader.u8(), reader.u8(), reader.u8(), 0};
        reader.u8();
        reader.u16();
        image.bitsPerPixel = reader.u16();
        const std::uint32_t size = reader.u32();
        const std::uint32_t offset = reader.u32();
        EXPECT_LE(offset + size, file.size());
        images.push_back(image);
    }
    EXPECT_EQ(images, kIconImages);
}

TEST(Assets, LogoIsABaselineColourJpegOf216By259) {
    const Bytes file = ReadFile(DICEWRIGHT_ASSETS_DIR "/logo.jpg");
    ASSERT_GE(file.size(), 4u);
    EXPECT_EQ(file[0], 0xFF);
    EXPECT_EQ(file[1], 0xD8);
    std::size_t at = 2;
    bool baselineFrame = false;
    while (at + 4 <= file.size() && file[at] == 0xFF) {
        const std::uint8_t marker = file[at + 1];
        const std::size_t length = static_cast<std::size_t>(file[at + 2] << 8 | file[at + 3]);
        EXPECT_NE(marker, 0xC2) << "progressive coding";
        if (marker == 0xC0) {
            baselineFrame = true;
            EXPECT_EQ(file[at + 5] << 8 | file[at + 6], 259) << "height";
            EXPECT_EQ(file[at + 7] << 8 | file[at + 8], 216) << "width";
            EXPECT_EQ(file[at + 9], 3) << "colour components";
        }
        if (marker == 0xDA) break;  // the picture data follows
        at += 2 + length;
    }
    EXPECT_TRUE(baselineFrame);
}

}  // namespace
}  // namespace dicewright::testing
