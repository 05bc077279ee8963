# Inputs for the batch's golden files: generated rows and one row per message.
import random
r = random.Random(2026)
cols = ["Id","IsDST","BirthName","BirthMonth","BirthDay","BirthYear","BirthHour","BirthMinute",
        "Note","ZoneHours","ZoneMinutes","LonDegrees","LonMinutes","LatDegrees","LatMinutes","IsEast","IsSouth"]
def q(v):
    return '"' + v.replace('"', '""') + '"' if any(c in v for c in ',"\r\n') else v
good = dict(IsDST="0", BirthName="Asha", BirthMonth="1", BirthDay="1", BirthYear="2000", BirthHour="12",
            BirthMinute="0", Note="", ZoneHours="5", ZoneMinutes="30", LonDegrees="77", LonMinutes="13",
            LatDegrees="28", LatMinutes="37", IsEast="1", IsSouth="0")
rows = []
def row(ident, end="\r\n", raw=None, **change):
    d = dict(good); d.update(change); d["Id"] = ident
    rows.append((raw if raw is not None else ",".join(q(d[c]) for c in cols)) + end)
# One row for each message, and for each way a cell can be written.
row("name-empty", BirthName="")
row("name-blank", BirthName="   ")
row("name-long", BirthName="x" * 101)
row("name-100", BirthName="\u674e" * 100)
row("names-unicode", BirthName="Zo\u00eb M\u00fcller")
row("names-devanagari", BirthName="\u0906\u0936\u093e \u0926\u0947\u0935\u0940")
row("names-quotes", BirthName='say "hi", friend')
row("names-lines", BirthName="two\nlines\r\nthree\rfour")
row("zone-empty", ZoneHours="")
row("zone-minute-empty", ZoneMinutes=" ")
row("lon-empty", LonDegrees="")
row("lon-minutes-empty", LonMinutes="")
row("lat-empty", LatDegrees="")
row("lat-minutes-empty", LatMinutes="")
row("feb-29-2001", BirthMonth="2", BirthDay="29", BirthYear="2001")
row("feb-29-2000", BirthMonth="2", BirthDay="29", BirthYear="2000")
row("feb-30", BirthMonth="2", BirthDay="30")
row("apr-31", BirthMonth="4", BirthDay="31")
row("dec-31", BirthMonth="12", BirthDay="31")
for name, cell in [("letters", "abc"), ("decimal", "5.5"), ("sign", "+5"), ("exp", "1e2"), ("space-inside", "1 2")]:
    row("digits-lon-" + name, LonDegrees=cell)
    row("digits-zone-" + name, ZoneHours=cell)
row("zone-picker-minus", ZoneHours="-5", ZoneMinutes="-30")
row("zone-double-minus", ZoneHours="--5")
row("month-0", BirthMonth="0")
row("month-13", BirthMonth="13")
row("month-name", BirthMonth="March")
row("month-plus", BirthMonth="+1")
row("month-decimal", BirthMonth="1.5")
row("month-leading-zero", BirthMonth="01")
row("month-blank-around", BirthMonth=" 3 ")
row("month-empty", BirthMonth="")
row("day-0", BirthDay="0")
row("day-32", BirthDay="32")
row("day-plus", BirthDay="+1")
row("day-leading-zero", BirthDay="05")
row("day-empty", BirthDay="")
row("year-1900", BirthYear="1900")
row("year-2050", BirthYear="2050")
row("year-2051", BirthYear="2051")
row("year-1901", BirthYear="1901")
row("hour-24", BirthHour="24")
row("hour-neg", BirthHour="-1")
row("minute-60", BirthMinute="60")
row("minute-59", BirthMinute="59")
row("lon-180", LonDegrees="180", LonMinutes="0")
row("lon-180-1", LonDegrees="180", LonMinutes="1")
row("lon-181", LonDegrees="181")
row("lon-minutes-60", LonMinutes="60")
row("lat-89-59", LatDegrees="89", LatMinutes="59")
row("lat-90", LatDegrees="90", LatMinutes="0")
row("lat-minutes-60", LatMinutes="60")
row("zone-14", ZoneHours="14", ZoneMinutes="0")
row("zone-14-30", ZoneHours="14", ZoneMinutes="30")
row("zone-15", ZoneHours="15")
row("zone-minutes-60", ZoneMinutes="60")
row("huge-number", LonDegrees="999999999999")
row("east-yes", IsEast="yes")
row("east-blank-1", IsEast=" 1")
row("east-2", IsEast="2")
row("south-no", IsSouth="no")
row("south-1", IsSouth="1", LatDegrees="33", LatMinutes="52")
row("dst-true", IsDST="true")
row("dst-1", IsDST="1")
row("west", IsEast="0", LonDegrees="74", LonMinutes="0", LatDegrees="40", LatMinutes="43", ZoneHours="5", ZoneMinutes="0")
row("note-carried", Note="a,b \"c\"")
row("lf-end", end="\n")
row("cr-end", end="\r")
row("lone-cr-in-quotes", BirthName="a\rb")
rows.append("short,1\r\n")
rows.append("too,many," + ",".join(["1"] * 20) + "\r\n")
rows.append("\r\n")
rows.append('quote-inside,0,a"b,1,1,2000,12,0,,5,30,77,13,28,37,1,0\r\n')
rows.append('after-quote,0,"ab"c,1,1,2000,12,0,,5,30,77,13,28,37,1,0\r\n')
rows.append('too-long,0,' + 'y' * 70000 + ',1,1,2000,12,0,,5,30,77,13,28,37,1,0\r\n')
row("after-too-long")
# Varied rows, mostly good.
for i in range(100):
    d = {
      "IsDST": r.choice("01"), "BirthName": r.choice(["Asha", "Ravi Kumar", "Jos\u00e9", "\u0141ukasz \u017b\u00f3\u0142\u0107", "O'Brien", "Smith, John"]),
      "BirthMonth": str(r.randint(1, 12)), "BirthDay": str(r.randint(1, 31)), "BirthYear": str(r.randint(1901, 2050)),
      "BirthHour": str(r.randint(0, 23)), "BirthMinute": str(r.randint(0, 59)), "Note": "",
      "ZoneHours": r.choice([str(r.randint(0, 12)), "-" + str(r.randint(0, 12))]), "ZoneMinutes": r.choice(["0", "30", "45"]),
      "LonDegrees": str(r.randint(0, 180)), "LonMinutes": str(r.randint(0, 59)),
      "LatDegrees": str(r.randint(0, 70)), "LatMinutes": str(r.randint(0, 59)),
      "IsEast": r.choice("01"), "IsSouth": r.choice("01")}
    d["Id"] = "gen-%d" % i
    rows.append(",".join(q(d[c]) for c in cols) + r.choice(["\r\n", "\n"]))
# The last row: an unclosed quote runs to the end of the input.
rows.append('open-quote,0,"Unclosed,1,1,2000,12,0,,5,30,77,13,28,37,1,0\r\nlast,line\r\n')
with open("rows.csv", "w", encoding="utf-8", newline="") as f:
    f.write("\ufeff" + ",".join(cols) + "\r\n" + "".join(rows))

with open("missing.csv", "w", encoding="utf-8", newline="") as f:
    f.write("BirthName,BirthMonth,BirthYear,BirthHour\r\nAsha,1,2000,12\r\nRavi,2,1990,6\r\n")

pcols = ["Id","BirthName","BirthMonth","BirthDay","BirthYear","BirthHour","BirthMinute","Place","TimeZone","Fold",
         "LonDegrees","LonMinutes","LatDegrees","LatMinutes","IsEast","IsSouth","ZoneHours","ZoneMinutes","IsDST"]
prows = [
  ["london", "Asha","7","15","1985","20","0","London, GB","","","","","","","","","","",""],
  ["london-dst", "Asha","7","15","1985","20","0","London, GB","","","","","","","","","","","1"],
  ["london-zone", "Asha","7","15","1985","20","0","London, GB","","","","","","","","","0","0","0"],
  ["kolkata-tz", "K","6","1","1943","12","0","","Asia/Kolkata","","88","22","22","34","1","0","","",""],
  ["berlin-twice", "B","10","31","2021","2","30","Berlin, DE","","","","","","","","","","",""],
  ["berlin-later", "B","10","31","2021","2","30","Berlin, DE","","later","","","","","","","","",""],
  ["berlin-earlier", "B","10","31","2021","2","30","Berlin, DE","","earlier","","","","","","","","",""],
  ["berlin-never", "B","3","28","2021","2","30","Berlin, DE","","","","","","","","","","",""],
  ["fold-bad", "B","10","31","2021","2","30","Berlin, DE","","sometime","","","","","","","","",""],
  ["fold-alone", "Asha","1","1","2000","12","0","","","later","77","13","28","37","1","0","5","30","0"],
  ["no-place", "X","1","1","2000","12","0","Qqqqxz","","","","","","","","","","",""],
  ["bad-zone", "X","1","1","2000","12","0","","Mars/Olympus","","77","13","28","37","1","0","","",""],
  ["kathmandu-lmt", "N","6","1","1901","12","0","Kathmandu","","","","","","","","","","",""],
  ["plain", "Asha","1","1","2000","12","0","","","","77","13","28","37","1","0","5","30","0"],
  ["new-york-east", "N","7","15","1985","12","0","","America/New_York","","10","0","40","0","1","0","","",""],
  ["springfield-several", "S","1","1","2000","12","0","Springfield","","","","","","","","","","",""],
  ["springfield-words", "S","1","1","2000","12","0","springfield il","","","","","","","","","","",""],
]
with open("places.csv", "w", encoding="utf-8", newline="") as f:
    f.write(",".join(pcols) + "\n" + "".join(",".join(q(c) for c in p) + "\n" for p in prows))
