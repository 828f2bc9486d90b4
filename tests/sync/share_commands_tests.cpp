#include <gtest/gtest.h>

#include <regex>
#include <system_error>

#include "platform/property_list_file.h"
#include "sync_machine.h"

namespace velmor::testing {
namespace {

namespace fs = std::filesystem;

const std::string kStatusTail =
    "\n\n필체와 앱·URL만 공유합니다. 약 30초마다 변경을 확인하며, 클라우드 서비스의 "
    "업로드·다운로드 시간은 별도입니다.";

void expectNotice(const SyncMachine& mac, const std::string& title, const std::string& detail) {
    ASSERT_FALSE(mac.host.notices.empty());
    EXPECT_EQ(mac.host.notices.back(), std::pair(title, detail));
}

TEST(SyncStart, PublishesEveryLocalValueIntoAFreshFolder) {
    SyncMachine mac;
    TempHome share;
    mac.setSamples("B", makeSamples(0.2));
    mac.setAction("B", "/b.app");
    mac.setAction("C", "https://c.example/");
    mac.defaults().setString("VLVelmorSyncRole", "master");

    mac.start(share.path() / "Cloud");
    expectNotice(mac, "양방향 공유 시작!",
                 "1호기의 현재 필체·앱·URL을 최초 기준으로 등록했어요. 이제 어느 맥에서 "
                 "변경해도 나머지 맥으로 동기화합니다. (약 30초마다 확인)");
    const auto panel = mac.platform.recordsOfKind("panel").at(0).fields;
    EXPECT_EQ(panel.at("title"),
              Value("모든 맥에서 같은 iCloud Drive 또는 OneDrive 폴더를 선택하세요"));
    EXPECT_EQ(panel.at("canChooseFiles"), Value::boolean(false));  // a folder, never a file
    EXPECT_EQ(eventFiles(share.path() / "Cloud").size(), 3u);
    auto snapshot = mac.sync.velmorSyncSnapshot();
    EXPECT_EQ(mac.sync.velmorSyncSnapshotWithEvents(mac.sync.velmorSyncReadLatestEvents()),
              snapshot);
    auto onDisk = files::readPropertyListFile(mac.platform.defaultsPath());
    ASSERT_TRUE(onDisk);
    EXPECT_EQ(*onDisk->find("VLVelmorSyncV2LastApplied"), snapshot);
    EXPECT_EQ(*onDisk->find("VLVelmorSyncV2Folder"), Value((share.path() / "Cloud").string()));
    EXPECT_EQ(*onDisk->find("VLVelmorSyncV2Enabled"), Value::boolean(true));
    EXPECT_EQ(onDisk->find("VLVelmorSyncRole"), nullptr);
}

TEST(SyncStart, RefusesAUsedOrUnusableFolderWithNothingChanged) {
    SyncMachine mac;
    TempHome share;
    mac.setAction("C", "/c.app");
    mac.defaults().setString("VLVelmorSyncRole", "master");
    mac.sync.velmorSyncSetMaster();  // cancelled: no message at all
    EXPECT_TRUE(mac.host.notices.empty());

    writeFile(share.path() / "file", "x");
    mac.start(share.path() / "file");
    expectNotice(mac, "공유 폴더 오류", std::make_error_code(std::errc::not_a_directory).message());

    // Even a hidden name ending in ".plist" marks the folder as used.
    writeFile(eventsFolder(share.path()) / ".old.plist", "x");
    mac.start(share.path());
    expectNotice(mac, "이미 동기화가 시작된 폴더",
                 "이 폴더에는 공유 기록이 있어요. 새 공유 시작 대신 ‘기존 공유에 참여’를 "
                 "선택하세요.");
    EXPECT_EQ(eventFiles(share.path()).size(), 1u);
    EXPECT_FALSE(mac.defaults().object("VLVelmorSyncV2Folder"));
    EXPECT_FALSE(mac.defaults().object("VLVelmorSyncV2Enabled"));
    EXPECT_TRUE(mac.defaults().object("VLVelmorSyncRole"));
}

TEST(SyncJoin, RefusesWithoutBelievableEvents) {
    SyncMachine mac;
    TempHome share;
    mac.setAction("C", "/c.app");
    mac.join(share.path());
    expectNotice(mac, "공유 기록을 찾지 못했어요",
                 "1호기에서 먼저 ‘새 공유 시작’을 완료하고 클라우드 파일 동기화가 끝난 뒤 "
                 "참여해 주세요.");
    EXPECT_TRUE(mac.backups().empty());
    EXPECT_FALSE(fs::exists(share.path() / "VelmorSync-v2"));
    EXPECT_FALSE(mac.defaults().object("VLVelmorSyncV2Folder"));

    // Only a file nobody can believe: the folder is kept, sync stays off.
    writeFile(eventsFolder(share.path()) / ".partial.plist", "x");
    mac.join(share.path());
    expectNotice(mac, "공유 기록을 읽지 못했어요", "클라우드 파일이 내려받아졌는지 확인해 주세요.");
    EXPECT_EQ(mac.defaults().string("VLVelmorSyncV2Folder"), share.path().string());
    EXPECT_FALSE(mac.defaults().boolean("VLVelmorSyncV2Enabled"));
    EXPECT_EQ(mac.storedAction("C"), "/c.app");
}

TEST(SyncJoin, TakesTheShareAfterBackingUpTheLocalLetters) {
    SyncMachine first;
    SyncMachine second;
    TempHome share;
    first.setAction("B", "/b.app");
    first.start(share.path());
    second.setAction("X", "/only-here.app");
    auto localBefore = second.sync.velmorSyncSnapshot();

    // A backup that cannot be written stops the join before anything changes.
    writeFile(second.home.path() / "Library/Application Support", "in the way");
    second.join(share.path());
    expectNotice(second, "로컬 백업 실패", "기존 설정을 보호하기 위해 동기화를 시작하지 않았어요.");
    EXPECT_FALSE(second.defaults().object("VLVelmorSyncV2Folder"));
    EXPECT_EQ(second.sync.velmorSyncSnapshot(), localBefore);
    fs::remove(second.home.path() / "Library/Application Support");

    second.join(share.path());
    expectNotice(second, "양방향 공유 참여 완료",
                 "현재 공유 필체를 받아왔고, 이전 로컬 설정은 백업했어요. 이제 이 맥에서 글자를 "
                 "수정해도 다른 맥으로 전달됩니다.");
    EXPECT_EQ(second.sync.velmorSyncSnapshot(), first.sync.velmorSyncSnapshot());
    EXPECT_EQ(second.host.menuRefreshes, 1);
    ASSERT_EQ(second.backups().size(), 1u);
    EXPECT_TRUE(std::regex_match(second.backups()[0].filename().string(),
                                 std::regex("BeforeSync-[0-9A-F-]{36}\\.plist")));
    EXPECT_EQ(files::readPropertyListFile(second.backups()[0]), localBefore);
    EXPECT_EQ(second.defaults().dictionary("VLVelmorSyncV2LastApplied"),
              first.sync.velmorSyncSnapshot());
    EXPECT_TRUE(second.defaults().boolean("VLVelmorSyncV2Enabled"));
    EXPECT_EQ(eventFiles(share.path()).size(), 1u);  // joining publishes nothing
}

TEST(SyncStatus, TellsStateAndFolderAndStopKeepsTheShare) {
    SyncMachine mac;
    TempHome share;
    mac.sync.velmorSyncStatus();
    expectNotice(mac, "Velmor Sync · 양방향", "상태: 꺼짐\n공유 폴더: 지정되지 않음" + kStatusTail);
    mac.setAction("C", "/c.app");
    mac.start(share.path());
    mac.sync.velmorSyncStatus();
    expectNotice(mac, "Velmor Sync · 양방향",
                 "상태: 양방향 동기화 켜짐\n공유 폴더: " + share.path().string() + kStatusTail);

    mac.sync.velmorSyncStop();
    expectNotice(mac, "Velmor Sync 일시 중지",
                 "이 맥의 자동 동기화만 멈췄어요. 로컬 제스처와 클라우드 기록은 유지합니다.");
    auto onDisk = files::readPropertyListFile(mac.platform.defaultsPath());
    EXPECT_EQ(*onDisk->find("VLVelmorSyncV2Enabled"), Value::boolean(false));
    EXPECT_TRUE(onDisk->find("VLVelmorSyncV2LastApplied"));

    // Stopped: "지금 동기화" publishes nothing and shows the status.
    mac.setAction("C", "/changed.app");
    mac.sync.velmorSyncNow();
    EXPECT_EQ(eventFiles(share.path()).size(), 1u);
    expectNotice(mac, "Velmor Sync · 양방향",
                 "상태: 꺼짐\n공유 폴더: " + share.path().string() + kStatusTail);
}

TEST(SyncStart, AnEmptyFolderChoiceIsACancel) {
    SyncMachine mac;
    mac.setAction("C", "/c.app");
    mac.start("");
    mac.join("");
    EXPECT_TRUE(mac.host.notices.empty());
    EXPECT_FALSE(mac.defaults().object("VLVelmorSyncV2Folder"));
}

}  // namespace
}  // namespace velmor::testing
