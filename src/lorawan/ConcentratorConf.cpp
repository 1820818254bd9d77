#include "lorawan/ConcentratorConf.h"

#include "lorawan/ImageBuildError.h"
#include "lorawan/ImageWriter.h"
#include "platform/Classes.h"
#include "platform/SysUtils.h"

#include <optional>
#include <span>
#include <string_view>

namespace {

// The values a line can carry between its literal text and its tail.
enum TConfValue : uint8_t {
  cvNone,
  cvNetworkType,
  cvServerAdd,
  cvServerPortUp,
  cvServerPortDown,
  cvKAInterval,
  cvRadio0Freq,
  cvRadio1Freq,
};

struct TConfLine {
  int Indent;
  std::string_view Text;
  TConfValue Value = cvNone;
  std::string_view Tail = {};
};

// The other bands are the EU868 text with ranges of its lines (numbered from
// 1) replaced; Last = First - 1 inserts the rows before line First.
struct TConfPatch {
  int First;
  int Last;
  std::span<const TConfLine> Rows;
};

constexpr TConfLine EU868Lines[] = {
    {0, "{"},
    {4, R"("SX130x_conf": {)"},
    {8, R"("com_type": "SPI",)"},
    {8, R"("com_path": "/dev/spidev0.0",)"},
    {8, R"("lorawan_public": )", cvNetworkType, ","},
    {8, R"("clksrc": 0,)"},
    {8, R"("antenna_gain": 0, /* antenna gain, in dBi */)"},
    {8, R"("full_duplex": false,)"},
    {8, R"("fine_timestamp": {)"},
    {12, R"("enable": false,)"},
    {12, R"("mode": "all_sf" /* high_capacity or all_sf */)"},
    {8, "},"},
    {8, R"("sx1261_conf": {)"},
    {12, R"("spi_path": "/dev/spidev0.1",)"},
    {12, R"("rssi_offset": 0, /* dB */)"},
    {12, R"("spectral_scan": {)"},
    {16, R"("enable": false,)"},
    {16, R"("freq_start": 867100000,)"},
    {16, R"("nb_chan": 8,)"},
    {16, R"("nb_scan": 2000,)"},
    {16, R"("pace_s": 10)"},
    {12, "},"},
    {12, R"("lbt": {)"},
    {16, R"("enable": false,)"},
    {16, R"("rssi_target": -70, /* dBm */)"},
    {16, R"("channels":[ /* 16 channels maximum */)"},
    {20, R"({ "freq_hz": 867100000, "bandwidth": 125000, "scan_time_us": 128,  "transmit_time_ms": 400 },)"},
    {20, R"({ "freq_hz": 867300000, "bandwidth": 125000, "scan_time_us": 128,  "transmit_time_ms": 400 },)"},
    {20, R"({ "freq_hz": 867500000, "bandwidth": 125000, "scan_time_us": 128,  "transmit_time_ms": 400 },)"},
    {20, R"({ "freq_hz": 867700000, "bandwidth": 125000, "scan_time_us": 128,  "transmit_time_ms": 400 },)"},
    {20, R"({ "freq_hz": 867900000, "bandwidth": 125000, "scan_time_us": 128,  "transmit_time_ms": 400 },)"},
    {20, R"({ "freq_hz": 868100000, "bandwidth": 125000, "scan_time_us": 128,  "transmit_time_ms": 400 },)"},
    {20, R"({ "freq_hz": 868300000, "bandwidth": 125000, "scan_time_us": 128,  "transmit_time_ms": 400 },)"},
    {20, R"({ "freq_hz": 868500000, "bandwidth": 125000, "scan_time_us": 128,  "transmit_time_ms": 400 },)"},
    {20, R"({ "freq_hz": 869525000, "bandwidth": 125000, "scan_time_us": 5000, "transmit_time_ms": 4000 },)"},
    {20, R"({ "freq_hz": 868300000, "bandwidth": 250000, "scan_time_us": 128,  "transmit_time_ms": 400 })"},
    {16, "]"},
    {12, "}"},
    {8, "},"},
    {8, R"("radio_0": {)"},
    {12, R"("enable": true,)"},
    {12, R"("type": "SX1250",)"},
    {12, R"("freq": 867500000,)"},
    {12, R"("rssi_offset": -215.4,)"},
    {12, R"("rssi_tcomp": {"coeff_a": 0, "coeff_b": 0, "coeff_c": 20.41, "coeff_d": 2162.56, "coeff_e": 0},)"},
    {12, R"("tx_enable": true,)"},
    {12, R"("tx_freq_min": 863000000,)"},
    {12, R"("tx_freq_max": 870000000,)"},
    {12, R"("tx_gain_lut":[)"},
    {16, R"({"rf_power": 12, "pa_gain": 0, "pwr_idx": 15},)"},
    {16, R"({"rf_power": 13, "pa_gain": 0, "pwr_idx": 16},)"},
    {16, R"({"rf_power": 14, "pa_gain": 0, "pwr_idx": 17},)"},
    {16, R"({"rf_power": 15, "pa_gain": 0, "pwr_idx": 19},)"},
    {16, R"({"rf_power": 16, "pa_gain": 0, "pwr_idx": 20},)"},
    {16, R"({"rf_power": 17, "pa_gain": 0, "pwr_idx": 22},)"},
    {16, R"({"rf_power": 18, "pa_gain": 1, "pwr_idx": 1},)"},
    {16, R"({"rf_power": 19, "pa_gain": 1, "pwr_idx": 2},)"},
    {16, R"({"rf_power": 20, "pa_gain": 1, "pwr_idx": 3},)"},
    {16, R"({"rf_power": 21, "pa_gain": 1, "pwr_idx": 4},)"},
    {16, R"({"rf_power": 22, "pa_gain": 1, "pwr_idx": 5},)"},
    {16, R"({"rf_power": 23, "pa_gain": 1, "pwr_idx": 6},)"},
    {16, R"({"rf_power": 24, "pa_gain": 1, "pwr_idx": 7},)"},
    {16, R"({"rf_power": 25, "pa_gain": 1, "pwr_idx": 9},)"},
    {16, R"({"rf_power": 26, "pa_gain": 1, "pwr_idx": 11},)"},
    {16, R"({"rf_power": 27, "pa_gain": 1, "pwr_idx": 14})"},
    {12, "]"},
    {8, "},"},
    {8, R"("radio_1": {)"},
    {12, R"("enable": true,)"},
    {12, R"("type": "SX1250",)"},
    {12, R"("freq": 868500000,)"},
    {12, R"("rssi_offset": -215.4,)"},
    {12, R"("rssi_tcomp": {"coeff_a": 0, "coeff_b": 0, "coeff_c": 20.41, "coeff_d": 2162.56, "coeff_e": 0},)"},
    {12, R"("tx_enable": false)"},
    {8, "},"},
    {8, R"("chan_multiSF_All": {"spreading_factor_enable": [ 5, 6, 7, 8, 9, 10, 11, 12 ]},)"},
    {8, R"("chan_multiSF_0": {"enable": true, "radio": 1, "if": -400000},)"},
    {8, R"("chan_multiSF_1": {"enable": true, "radio": 1, "if": -200000},)"},
    {8, R"("chan_multiSF_2": {"enable": true, "radio": 1, "if":  0},)"},
    {8, R"("chan_multiSF_3": {"enable": true, "radio": 0, "if": -400000},)"},
    {8, R"("chan_multiSF_4": {"enable": true, "radio": 0, "if": -200000},)"},
    {8, R"("chan_multiSF_5": {"enable": true, "radio": 0, "if":  0},)"},
    {8, R"("chan_multiSF_6": {"enable": true, "radio": 0, "if":  200000},)"},
    {8, R"("chan_multiSF_7": {"enable": true, "radio": 0, "if":  400000},)"},
    {8, R"("chan_Lora_std":  {"enable": true, "radio": 1, "if": -200000, "bandwidth": 250000, "spread_factor": 7,)"},
    {27, R"("implicit_hdr": false, "implicit_payload_length": 17, "implicit_crc_en": false, "implicit_coderate": 1},)"},
    {8, R"("chan_FSK":       {"enable": true, "radio": 1, "if":  300000, "bandwidth": 125000, "datarate": 50000})"},
    {4, "},"},
    {4, R"("gateway_conf": {)"},
    {8, R"("gateway_ID": "DCA632FFFFB3DC2B",)"},
    {8, "/* change with default server address/ports */"},
    {8, R"("server_address": ")", cvServerAdd, R"(",)"},
    {8, R"("serv_port_up": )", cvServerPortUp, ","},
    {8, R"("serv_port_down": )", cvServerPortDown, ","},
    {8, "/* adjust the following parameters for your network */"},
    {8, R"("keepalive_interval": )", cvKAInterval, ","},
    {8, R"("stat_interval": 30,)"},
    {8, R"("push_timeout_ms": 100,)"},
    {8, "/* forward only valid packets */"},
    {8, R"("forward_crc_valid": true,)"},
    {8, R"("forward_crc_error": false,)"},
    {8, R"("forward_crc_disabled": false,)"},
    {8, "/* GPS configuration */"},
    {8, R"("gps_tty_path": "/dev/ttyS0",)"},
    {8, "/* GPS reference coordinates */"},
    {8, R"("ref_latitude": 0.0,)"},
    {8, R"("ref_longitude": 0.0,)"},
    {8, R"("ref_altitude": 0,)"},
    {8, "/* Beaconing parameters */"},
    {8, R"("beacon_period": 0,)"},
    {8, R"("beacon_freq_hz": 869525000,)"},
    {8, R"("beacon_datarate": 9,)"},
    {8, R"("beacon_bw_hz": 125000,)"},
    {8, R"("beacon_power": 14,)"},
    {8, R"("beacon_infodesc": 0)"},
    {4, "},"},
    {0, ""},
    {4, R"("debug_conf": {)"},
    {8, R"("ref_payload":[)"},
    {12, R"({"id": "0xCAFE1234"},)"},
    {12, R"({"id": "0xCAFE2345"})"},
    {8, "],"},
    {8, R"("log_file": "loragw_hal.log")"},
    {4, "}"},
    {0, "}"},
};
constexpr TConfLine US915Line18[] = {
    {16, R"("freq_start": 903900000,)"},
};
constexpr TConfLine US915Lines24To37[] = {
    {16, R"("enable": false /* LBT for 500 Khz channels is not supported */)"},
};
constexpr TConfLine US915Line43[] = {
    {12, R"("freq": )", cvRadio0Freq, ","},
};
constexpr TConfLine US915Lines47To48[] = {
    {12, R"("tx_freq_min": 923000000,)"},
    {12, R"("tx_freq_max": 928000000,)"},
};
constexpr TConfLine US915Line71[] = {
    {12, R"("freq": )", cvRadio1Freq, ","},
};
constexpr TConfLine US915Lines77To85[] = {
    {8, R"("chan_multiSF_0": {"enable": true, "radio": 0, "if": -400000},  /* Freq : 903.9 MHz*/)"},
    {8, R"("chan_multiSF_1": {"enable": true, "radio": 0, "if": -200000},  /* Freq : 904.1 MHz*/)"},
    {8, R"("chan_multiSF_2": {"enable": true, "radio": 0, "if":  0},       /* Freq : 904.3 MHz*/)"},
    {8, R"("chan_multiSF_3": {"enable": true, "radio": 0, "if":  200000},  /* Freq : 904.5 MHz*/)"},
    {8, R"("chan_multiSF_4": {"enable": true, "radio": 1, "if": -300000},  /* Freq : 904.7 MHz*/)"},
    {8, R"("chan_multiSF_5": {"enable": true, "radio": 1, "if": -100000},  /* Freq : 904.9 MHz*/)"},
    {8, R"("chan_multiSF_6": {"enable": true, "radio": 1, "if":  100000},  /* Freq : 905.1 MHz*/)"},
    {8, R"("chan_multiSF_7": {"enable": true, "radio": 1, "if":  300000},  /* Freq : 905.3 MHz*/)"},
    {8, R"("chan_Lora_std":  {"enable": true, "radio": 0, "if":  300000, "bandwidth": 500000, "spread_factor": 8,)"
        "\t\t\t\t\t\t"
        "/* Freq : 904.6 MHz*/"},
};
constexpr TConfLine US915Line87[] = {
    {8, R"("chan_FSK":       {"enable": false, "radio": 1, "if":  300000, "bandwidth": 125000, "datarate": 50000})"
        "\t\t\t\t\t\t"
        "/* Freq : 868.8 MHz*/"},
};
constexpr TConfLine US915After88[] = {
    {0, ""},
};
constexpr TConfLine US915Line90[] = {
    {8, R"("gateway_ID": "AA555A0000000000",)"},
};
constexpr TConfLine US915Line110[] = {
    {8, R"("beacon_period": 0, /* disable class B beacon */)"},
};

constexpr TConfPatch US915Patches[] = {
    {18, 18, US915Line18}, {24, 37, US915Lines24To37}, {43, 43, US915Line43}, {47, 48, US915Lines47To48},
    {71, 71, US915Line71}, {77, 85, US915Lines77To85}, {87, 87, US915Line87}, {89, 88, US915After88},
    {90, 90, US915Line90}, {110, 110, US915Line110},
};
constexpr TConfLine KR920Line43[] = {
    {12, R"("freq": 922400000,)"},
};
constexpr TConfLine KR920Lines47To48[] = {
    {12, R"("tx_freq_min": 920900000,)"},
    {12, R"("tx_freq_max": 923300000,)"},
};
constexpr TConfLine KR920Lines50To65[] = {
    {17, R"({"rf_power": 12, "pa_gain": 1, "pwr_idx": 4},)"},
    {17, R"({"rf_power": 13, "pa_gain": 1, "pwr_idx": 5},)"},
    {17, R"({"rf_power": 14, "pa_gain": 1, "pwr_idx": 6},)"},
    {17, R"({"rf_power": 15, "pa_gain": 1, "pwr_idx": 7},)"},
    {17, R"({"rf_power": 16, "pa_gain": 1, "pwr_idx": 8},)"},
    {17, R"({"rf_power": 17, "pa_gain": 1, "pwr_idx": 9},)"},
    {17, R"({"rf_power": 18, "pa_gain": 1, "pwr_idx": 10},)"},
    {17, R"({"rf_power": 19, "pa_gain": 1, "pwr_idx": 11},)"},
    {17, R"({"rf_power": 20, "pa_gain": 1, "pwr_idx": 12},)"},
    {17, R"({"rf_power": 21, "pa_gain": 1, "pwr_idx": 13},)"},
    {17, R"({"rf_power": 22, "pa_gain": 1, "pwr_idx": 14},)"},
    {17, R"({"rf_power": 23, "pa_gain": 1, "pwr_idx": 15},)"},
    {17, R"({"rf_power": 24, "pa_gain": 1, "pwr_idx": 16},)"},
    {17, R"({"rf_power": 25, "pa_gain": 1, "pwr_idx": 17},)"},
    {17, R"({"rf_power": 26, "pa_gain": 1, "pwr_idx": 19},)"},
    {17, R"({"rf_power": 27, "pa_gain": 1, "pwr_idx": 20})"},
};
constexpr TConfLine KR920Line71[] = {
    {12, R"("freq": 923000000,)"},
};
constexpr TConfLine KR920Lines76To87[] = {
    {8, R"("chan_multiSF_0": {"enable": true, "radio": 0, "if": -300000},)"},
    {8, R"("chan_multiSF_1": {"enable": true, "radio": 0, "if": -100000},)"},
    {8, R"("chan_multiSF_2": {"enable": true, "radio": 0, "if": 100000},)"},
    {8, R"("chan_multiSF_3": {"enable": true, "radio": 0, "if": 300000},)"},
    {8, R"("chan_multiSF_4": { "enable": true, "radio": 1, "if": -100000},)"},
    {8, R"("chan_multiSF_5": {"enable": true, "radio": 1, "if": 100000},)"},
    {8, R"("chan_multiSF_6": {"enable": true, "radio": 1, "if": 300000},)"},
    {8, R"("chan_multiSF_7": {"enable": false},)"},
    {8, R"("chan_Lora_std": { "enable": false},)"},
    {8, R"("chan_FSK": {"enable": false, "radio": 0, "if": -600000, "bandwidth": 250000, "datarate": 100000})"},
};
constexpr TConfLine KR920After88[] = {
    {0, ""},
};
constexpr TConfLine KR920Line90[] = {
    {8, R"("gateway_ID": "AA555A0000000000",)"},
};
constexpr TConfLine KR920Line111[] = {
    {8, R"("beacon_freq_hz": 923100000,)"},
};

constexpr TConfPatch KR920Patches[] = {
    {13, 39, {}},
    {43, 43, KR920Line43},
    {47, 48, KR920Lines47To48},
    {50, 65, KR920Lines50To65},
    {71, 71, KR920Line71},
    {76, 87, KR920Lines76To87},
    {89, 88, KR920After88},
    {90, 90, KR920Line90},
    {111, 111, KR920Line111},
};
constexpr TConfLine AS923Line5[] = {
    {8, R"("lorawan_public": true,)"},
};
constexpr TConfLine AS923Lines41To66[] = {
    {10, R"("enable": true,)"},
    {10, R"("type": "SX1250",)"},
    {10, R"("freq": 923500000,)"},
    {10, R"("rssi_offset": -215.4,)"},
    {10, R"("rssi_tcomp": {"coeff_a": 0, "coeff_b": 0, "coeff_c": 20.41, "coeff_d": 2162.56, "coeff_e": 0},)"},
    {10, R"("tx_enable": true,)"},
    {10, R"("tx_freq_min": 915000000,)"},
    {10, R"("tx_freq_max": 928000000,)"},
    {10, R"("tx_gain_lut":[)"},
    {14, R"({"rf_power": 12, "pa_gain": 1, "pwr_idx": 4},)"},
    {14, R"({"rf_power": 13, "pa_gain": 1, "pwr_idx": 5},)"},
    {14, R"({"rf_power": 14, "pa_gain": 1, "pwr_idx": 6},)"},
    {14, R"({"rf_power": 15, "pa_gain": 1, "pwr_idx": 7},)"},
    {14, R"({"rf_power": 16, "pa_gain": 1, "pwr_idx": 8},)"},
    {14, R"({"rf_power": 17, "pa_gain": 1, "pwr_idx": 9},)"},
    {14, R"({"rf_power": 18, "pa_gain": 1, "pwr_idx": 10},)"},
    {14, R"({"rf_power": 19, "pa_gain": 1, "pwr_idx": 11},)"},
    {14, R"({"rf_power": 20, "pa_gain": 1, "pwr_idx": 12},)"},
    {14, R"({"rf_power": 21, "pa_gain": 1, "pwr_idx": 13},)"},
    {14, R"({"rf_power": 22, "pa_gain": 1, "pwr_idx": 14},)"},
    {14, R"({"rf_power": 23, "pa_gain": 1, "pwr_idx": 15},)"},
    {14, R"({"rf_power": 24, "pa_gain": 1, "pwr_idx": 16},)"},
    {14, R"({"rf_power": 25, "pa_gain": 1, "pwr_idx": 17},)"},
    {14, R"({"rf_power": 26, "pa_gain": 1, "pwr_idx": 19},)"},
    {14, R"({"rf_power": 27, "pa_gain": 1, "pwr_idx": 20})"},
    {10, "]"},
};
constexpr TConfLine AS923Line71[] = {
    {12, R"("freq": 924300000,)"},
};
constexpr TConfLine AS923Lines76To87[] = {
    {8, R"("chan_multiSF_0": {"enable": true, "radio": 0, "if": -300000},)"},
    {8, R"("chan_multiSF_1": {"enable": true, "radio": 0, "if": -100000},)"},
    {8, R"("chan_multiSF_2": {"enable": true, "radio": 0, "if":  100000},)"},
    {8, R"("chan_multiSF_3": {"enable": true, "radio": 0, "if":  300000},)"},
    {8, R"("chan_multiSF_4": {"enable": true, "radio": 1, "if": -300000},)"},
    {8, R"("chan_multiSF_5": {"enable": true, "radio": 1, "if": -100000},)"},
    {8, R"("chan_multiSF_6": {"enable": true, "radio": 1, "if":  100000},)"},
    {8, R"("chan_multiSF_7": {"enable": true, "radio": 1, "if":  300000},)"},
    {8, R"("chan_Lora_std": { "enable": false},)"},
    {8, R"("chan_FSK": {"enable": false, "radio": 0, "if": -600000, "bandwidth": 250000, "datarate": 100000})"},
};
constexpr TConfLine AS923After88[] = {
    {0, ""},
};
constexpr TConfLine AS923Line90[] = {
    {8, R"("gateway_ID": "AA555A0000000000",)"},
};
constexpr TConfLine AS923Line111[] = {
    {8, R"("beacon_freq_hz": 923400000,)"},
};

constexpr TConfPatch AS923Patches[] = {
    {5, 5, AS923Line5},         {13, 39, {}},           {41, 66, AS923Lines41To66}, {71, 71, AS923Line71},
    {76, 87, AS923Lines76To87}, {89, 88, AS923After88}, {90, 90, AS923Line90},      {111, 111, AS923Line111},
};

constexpr uint32_t US915Radio0Base = 902700000;
constexpr uint32_t US915Radio1Base = 903400000;
constexpr uint32_t US915SubBandStep = 1600000;

struct TConfValues {
  const TLoRaWAN_ParGen& ParGen;
  uint8_t FreqSubBand;
};

// The inserted value of a line; no value drops the line (the US915 radio
// frequency of a sub-band outside 1 to 8).
// The server address goes between quotes: escaped, so no text of it can add keys.
QString JsonStringText(const QString& text, const char* key) {
  if (!FitsDeviceCodePage(text))
    throw EImageBuildError(Format(ImageBuildTexts::InParGen, {Format(ImageBuildTexts::NotInCodePage, {key})}));
  QString r;
  for (QChar c : text) {
    if (c == QChar('"') || c == QChar('\\')) r += QChar('\\');
    if (c.unicode() < 0x20)
      r += QString("\\u%1").arg(c.unicode(), 4, 16, QChar('0'));
    else
      r += c;
  }
  return r;
}

// Ports and the keep-alive are written as the numbers they convert to, never as
// the raw text; a text that is no number takes the key's ParGen default.
constexpr int DefaultServerPortNumber = 1780;
constexpr int DefaultKeepAliveSeconds = 10;

QString JsonNumberText(const QString& text, int def) { return QString::number(StrToIntDef(text, def)); }

std::optional<QString> ValueText(TConfValue value, const TConfValues& v) {
  const bool subBandKnown = v.FreqSubBand >= 1 && v.FreqSubBand <= 8;
  const uint32_t step = US915SubBandStep * (v.FreqSubBand - 1u);
  switch (value) {
    case cvNone: return QString();
    case cvNetworkType: return v.ParGen.NetworkType;
    case cvServerAdd: return JsonStringText(v.ParGen.Server_Add, "LoRaWAN_Server_Address");
    case cvServerPortUp: return JsonNumberText(v.ParGen.Server_Port_Up, DefaultServerPortNumber);
    case cvServerPortDown: return JsonNumberText(v.ParGen.Server_Port_Down, DefaultServerPortNumber);
    case cvKAInterval: return JsonNumberText(v.ParGen.KA_Interval, DefaultKeepAliveSeconds);
    case cvRadio0Freq: return subBandKnown ? std::optional(QString::number(US915Radio0Base + step)) : std::nullopt;
    case cvRadio1Freq: return subBandKnown ? std::optional(QString::number(US915Radio1Base + step)) : std::nullopt;
  }
  return std::nullopt;
}

void AddLine(const TConfLine& line, const TConfValues& v, TStringList& lines) {
  const std::optional<QString> value = ValueText(line.Value, v);
  if (!value) return;
  QString text(line.Indent, QChar(' '));
  text += QLatin1String(line.Text.data(), qsizetype(line.Text.size()));
  text += *value;
  text += QLatin1String(line.Tail.data(), qsizetype(line.Tail.size()));
  lines.Add(text);
}

void AddPatchedLines(std::span<const TConfPatch> patches, const TConfValues& v, TStringList& lines) {
  const int baseCount = int(std::size(EU868Lines));
  int next = 1;
  for (const TConfPatch& patch : patches) {
    for (; next < patch.First; ++next) AddLine(EU868Lines[next - 1], v, lines);
    for (const TConfLine& row : patch.Rows) AddLine(row, v, lines);
    next = patch.Last + 1;
  }
  for (; next <= baseCount; ++next) AddLine(EU868Lines[next - 1], v, lines);
}

}  // namespace

void Build_Concentrator_Conf(const TLoRaWAN_ParGen& parGen, uint8_t freqSubBand, TStringList& lines) {
  lines.Clear();
  const TConfValues values{parGen, freqSubBand};
  switch (parGen.RF_Band) {
    case rfEU868: AddPatchedLines({}, values, lines); break;
    case rfUS915: AddPatchedLines(US915Patches, values, lines); break;
    case rfKR920: AddPatchedLines(KR920Patches, values, lines); break;
    case rfAS923: AddPatchedLines(AS923Patches, values, lines); break;
    default: break;
  }
}
