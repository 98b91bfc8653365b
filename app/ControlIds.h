#pragma once
// Control ids of the main window. A button sends its id as its command (app/ActionTable.h).

namespace vemora {

enum ControlId : int {
    IDC_MAXIMIZE = 4,
    IDC_OPEN = 1001,
    IDC_FRONT_VIDEO = 1002,
    IDC_GSENSOR = 1003,
    IDC_MAP_PLACEHOLDER = 1004,
    IDC_SAVE = 1005,
    IDC_SNAP = 1006,
    IDC_FRONT_VIDEO_BG = 1007,
    IDC_SEEK = 1008,
    IDC_REAR_VIDEO_BG = 1009,
    IDC_GPS = 1010,
    IDC_REAR_VIDEO = 1011,
    IDC_DEL = 1013,
    IDC_CONF = 1014,
    IDC_PLAY = 1015,
    IDC_STOP = 1016,
    IDC_FAST = 1017,
    IDC_SLOW = 1018,
    IDC_VOLUME = 1019,
    IDC_LOOP = 1021,
    IDC_FLIP = 1022,
    IDC_KML = 1023,
    IDC_MAP = 1024,
    IDC_GSR = 1025,
    IDC_LOCK = 1026,
    IDC_FILE_LIST = 1027,
    IDC_GROUP_LIST = 1028,
    IDC_MINIMIZE = 1044,
    IDC_CLOSE = 1045,
    IDC_VOL = 1046,
    IDC_LOGO = 1050,
    IDC_SIZE_S = 1052,
    IDC_COMPASS = 1055,
    IDC_SPEED = 1056,
    IDC_SIZE_M = 1059,
    IDC_SIZE_L = 1060,
    IDC_BANNER = 1064,
    IDC_RATE_LABEL = 1067,
    IDC_ABOUT = 57670,
};

} // namespace vemora
