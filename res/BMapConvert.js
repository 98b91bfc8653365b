// GPS coordinates (WGS-84) to the China map's own coordinate system, computed in the page: the
// national offset of mainland maps, then the map provider's further shift. Offers the converter
// the page calls, BMap.Convertor.translate(point, 0, callback), answering asynchronously as a
// network converter would.
(function () {
  var A = 6378245.0, EE = 0.00669342162296594323, X_PI = Math.PI * 3000.0 / 180.0;

  function outsideMainland(lng, lat) {
    return lng < 72.004 || lng > 137.8347 || lat < 0.8293 || lat > 55.8271;
  }

  function waves(x, y) {
    return (20.0 * Math.sin(6.0 * x * Math.PI) + 20.0 * Math.sin(2.0 * x * Math.PI)) * 2.0 / 3.0;
  }

  function shiftLat(x, y) {
    var r = -100.0 + 2.0 * x + 3.0 * y + 0.2 * y * y + 0.1 * x * y + 0.2 * Math.sqrt(Math.abs(x));
    r += waves(x, y);
    r += (20.0 * Math.sin(y * Math.PI) + 40.0 * Math.sin(y / 3.0 * Math.PI)) * 2.0 / 3.0;
    r += (160.0 * Math.sin(y / 12.0 * Math.PI) + 320.0 * Math.sin(y * Math.PI / 30.0)) * 2.0 / 3.0;
    return r;
  }

  function shiftLng(x, y) {
    var r = 300.0 + x + 2.0 * y + 0.1 * x * x + 0.1 * x * y + 0.1 * Math.sqrt(Math.abs(x));
    r += waves(x, y);
    r += (20.0 * Math.sin(x * Math.PI) + 40.0 * Math.sin(x / 3.0 * Math.PI)) * 2.0 / 3.0;
    r += (150.0 * Math.sin(x / 12.0 * Math.PI) + 300.0 * Math.sin(x / 30.0 * Math.PI)) * 2.0 / 3.0;
    return r;
  }

  function nationalOffset(lng, lat) {
    if (outsideMainland(lng, lat))
      return [lng, lat];
    var dLat = shiftLat(lng - 105.0, lat - 35.0);
    var dLng = shiftLng(lng - 105.0, lat - 35.0);
    var radLat = lat / 180.0 * Math.PI;
    var magic = 1 - EE * Math.sin(radLat) * Math.sin(radLat);
    var sqrtMagic = Math.sqrt(magic);
    dLat = (dLat * 180.0) / ((A * (1 - EE)) / (magic * sqrtMagic) * Math.PI);
    dLng = (dLng * 180.0) / (A / sqrtMagic * Math.cos(radLat) * Math.PI);
    return [lng + dLng, lat + dLat];
  }

  function providerShift(lng, lat) {
    var z = Math.sqrt(lng * lng + lat * lat) + 0.00002 * Math.sin(lat * X_PI);
    var theta = Math.atan2(lat, lng) + 0.000003 * Math.cos(lng * X_PI);
    return [z * Math.cos(theta) + 0.0065, z * Math.sin(theta) + 0.006];
  }

  function install() {
    if (typeof BMap !== "object")
      return;
    BMap.Convertor = {
      translate: function (point, type, callback) {
        if (type !== 0)
          return;
        var g = nationalOffset(point.lng, point.lat);
        var b = providerShift(g[0], g[1]);
        setTimeout(function () { callback(new BMap.Point(b[0], b[1])); }, 0);
      }
    };
  }

  install();
})();
