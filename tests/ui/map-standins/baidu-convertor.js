// Stand-in for the China map provider's coordinate converter: shifts every point by a fixed
// amount, and answers after varying delays so that answers come back out of order.
(function () {
  window.CONVERSION_SHIFT = { lat: 0.002, lng: 0.006 };
  var turn = 0;
  BMap.Convertor = {
    translate: function (point, type, callback) {
      if (type !== 0)
        return;
      turn = (turn + 7) % 20;
      setTimeout(function () {
        callback(new BMap.Point(point.lng + CONVERSION_SHIFT.lng, point.lat + CONVERSION_SHIFT.lat));
      }, turn);
    }
  };
})();
